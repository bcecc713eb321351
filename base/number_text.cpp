#include "base/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace qel {

std::u16string wholeNumberText(double value) {
  const std::string digits = std::to_string(std::llround(std::clamp(value, -1e15, 1e15)));
  return std::u16string(digits.begin(), digits.end());
}

std::u16string threeFigures(double value) {
  const double magnitude = std::fabs(value);
  const int decimals =
      magnitude > 0 ? std::clamp(2 - static_cast<int>(std::floor(std::log10(magnitude))), 0, 9) : 0;
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, std::clamp(value, -1e15, 1e15));
  return std::u16string(text, text + std::strlen(text));
}

std::u16string decimalText(double value) {
  char text[48];
  std::snprintf(text, sizeof text, "%.6g", std::clamp(value, -1e15, 1e15));
  return std::u16string(text, text + std::strlen(text));
}

}  // namespace qel
