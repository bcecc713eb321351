#pragma once

#include <string>

namespace qel {

// A number rounded to a whole one, as the texts show millimetres and percentages.
std::u16string wholeNumberText(double value);

// A size to three significant figures (whole from 100 on), as the texts show model units
// and scale factors.
std::u16string threeFigures(double value);

// A number to six significant figures without trailing zeros, as a scale is written into
// its field and into the texts.
std::u16string decimalText(double value);

}  // namespace qel
