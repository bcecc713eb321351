#pragma once

#include <string_view>

namespace qel::resources {

// The two standard buttons, in the dialog templates and in the boxes of the front ends that
// label their own.
inline constexpr std::u16string_view kOkButtonText = u"OK";
inline constexpr std::u16string_view kCancelButtonText = u"キャンセル";

}  // namespace qel::resources
