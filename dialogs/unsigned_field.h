#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qel {

// An input method gives full-width digits (and full stop): each becomes its ASCII form
// wherever a number is read; every other unit stays as it is.
char16_t asciiFormOf(char16_t unit);
std::u16string asciiForms(std::u16string_view text);

// A field's text as an unsigned decimal number: leading spaces, then one or more digits
// (ASCII or full-width) and nothing else, at most 4294967295. Nothing when the text is not
// such a number.
std::optional<std::uint32_t> parseUnsignedField(std::u16string_view text);

// The decimal text that a number field shows for value.
std::u16string unsignedFieldText(std::uint32_t value);

}  // namespace qel
