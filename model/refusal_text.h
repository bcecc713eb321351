#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qel {

// One line for a refused model file: "PATH line N: WHAT" (UTF-8).
std::string refusalAt(std::u16string_view path, std::uint32_t line, std::string_view what);

}  // namespace qel
