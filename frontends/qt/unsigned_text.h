#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qel::qt {

// A field's text as an unsigned decimal number: leading spaces, then one or more digits and
// nothing else, at most 4294967295. Nothing when the text is not such a number.
std::optional<std::uint32_t> parseUnsignedText(std::u16string_view text);

}  // namespace qel::qt
