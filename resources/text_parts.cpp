#include "resources/text_parts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/path_parts.h"
#include "base/utf.h"

namespace qel::resources {

std::u16string grouped(std::uint64_t value) {
  const std::string digits = std::to_string(value);
  std::u16string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += u',';
    text += static_cast<char16_t>(digits[i]);
  }
  return text;
}

std::u16string plain(std::uint64_t value) {
  return fromUtf8(std::to_string(value));
}

std::u16string deviationPercent(float share) {
  const double percent = std::clamp(std::round(share * 1000.0) / 10.0, 0.1, 1e6);
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", percent);
  return fromUtf8(text);
}

std::u16string fileName(std::u16string_view path) {
  const PathParts parts = splitPath(path);
  return std::u16string(parts.base) + std::u16string(parts.extension);
}

std::u16string imageSize(const PngSize& size) {
  return plain(size.width) + u"×" + plain(size.height) + u"ピクセル";
}

std::u16string largestImage() {
  return imageSize({kMaxImageSide, kMaxImageSide});
}

}  // namespace qel::resources
