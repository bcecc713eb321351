#pragma once

#include <string>
#include <string_view>

namespace qel {

// UTF-16 <-> UTF-8. Unpaired surrogates and invalid UTF-8 become U+FFFD.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

// The first units of text, at most most of them, ending on a whole character: a surrogate
// pair that the cut would split is left out whole.
std::u16string_view wholeCharactersWithin(std::u16string_view text, std::size_t most);

}  // namespace qel
