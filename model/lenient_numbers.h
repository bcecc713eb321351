#pragma once

#include <cstddef>
#include <string_view>

namespace qel {

// Numbers in model files are read as the C functions atof, atoi and sscanf("%d") read
// them in the "C" locale, whatever the process locale: leading white space, a sign, then
// the longest valid prefix; text without a number gives 0.

// As atof: decimal and hexadecimal forms, inf and nan; too large gives infinity, too
// small gives 0.
double readDouble(std::string_view text);

// As atoi, with values beyond the int range held at its ends.
int readInt(std::string_view text);

// As one "%d" of sscanf at the start of text: answers how many characters it took, or 0
// when no number stands there (value is then left alone).
std::size_t scanInt(std::string_view text, int& value);

}  // namespace qel
