#pragma once

#include <string_view>

namespace qel {

enum class WorkshopNameCheck { Ok = 0, Prohibited = 1, Empty = 2 };

// Whether candidate may be used as a workshop name: not empty, and neither one of the
// maker's own names or "test" (whole, A to Z in any case) nor containing a full-width or
// kana form of the maker's name or a JR company name. No trimming, no width folding.
WorkshopNameCheck checkWorkshopName(std::u16string_view candidate);

}  // namespace qel
