#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace qel {

// pattern with %1, %2, ... replaced by the arguments in order; a % before anything else
// stays as it is.
std::u16string fillPattern(std::u16string_view pattern, std::initializer_list<std::u16string> args);

}  // namespace qel
