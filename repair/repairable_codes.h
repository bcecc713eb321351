#pragma once

#include <string_view>

namespace qel {

// Whether convertObjModelWithRepair mends the problem of this diagnostic code.
bool repairMends(std::string_view code);

}  // namespace qel
