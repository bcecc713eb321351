#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/model_refusal.h"

namespace qel {

// A path in UTF-8 for a one-line message: control characters, which names in model files
// may carry (a line feed after the lead byte of a two-byte character), become "?".
std::string displayPath(std::u16string_view path);

// One line for a refused model file: "PATH line N: WHAT" (UTF-8).
std::string refusalAt(std::u16string_view path, std::uint32_t line, std::string_view what);

// What was wrong with a material library, with its name as shown: "the material library
// NAME cannot be read".
std::string libraryFaultText(LibraryFault fault, std::string_view name);

}  // namespace qel
