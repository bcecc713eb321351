#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qel {

// The longest name a 260-unit buffer takes from the code page conversion with its
// terminator (the conversion is limited to 259 units, terminator included).
inline constexpr std::size_t kLongestWideName = 258;

// Converts a name from a model file (code page 932 bytes) to UTF-16 through the
// platform's code page. Bytes that make no character become U+30FB. A name longer than 258
// units is refused rather than cut, so that no shortened path ever names another file.
// Backslashes become slashes, so that the name finds its folders on every platform.
std::optional<std::u16string> toWideName(std::string_view text);

// How the repair reads the names of a model file: as UTF-8 when the whole file is UTF-8
// and not plain ASCII, else as code page 932.
enum class NameEncoding { CodePage, Utf8 };
NameEncoding nameEncodingOf(std::string_view file);

// The same as toWideName, in the given encoding.
std::optional<std::u16string> toWideName(std::string_view text, NameEncoding encoding);

}  // namespace qel
