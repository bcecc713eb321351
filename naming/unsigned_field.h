#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qel {

// A field's text as an unsigned decimal number: leading spaces, then one or more digits and
// nothing else, at most 4294967295. Nothing when the text is not such a number.
std::optional<std::uint32_t> parseUnsignedField(std::u16string_view text);

// The decimal text that a number field shows for value.
std::u16string unsignedFieldText(std::uint32_t value);

}  // namespace qel
