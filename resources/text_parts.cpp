#include "resources/text_parts.h"

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
