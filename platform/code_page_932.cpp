#include "platform/code_page_932.h"

namespace qel::platform {
namespace {

// The single bytes above 0x7F, as Windows converts them: 0x80, 0xA0 and 0xFD to 0xFF have
// no character in Shift_JIS, but Windows keeps them apart instead of replacing them.
char16_t singleByte(unsigned char byte) {
  if (byte == 0x80) return u'\u0080';
  if (byte == 0xA0) return u'\uF8F0';
  if (byte >= 0xFD) return static_cast<char16_t>(0xF8F1 + (byte - 0xFD));
  return static_cast<char16_t>(0xFF61 + (byte - 0xA1));  // half-width katakana
}

}  // namespace

bool isCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::u16string cp932ToWide(std::string_view bytes, Cp932Pairs& pairs) {
  std::u16string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      out += static_cast<char16_t>(byte);
    } else if (!isCp932LeadByte(byte)) {
      out += singleByte(byte);
    } else if (i + 1 < bytes.size() && bytes[i + 1] != '\0') {
      out += pairs.pair(byte, static_cast<unsigned char>(bytes[i + 1]));
      ++i;
    } else {
      out += kCp932DefaultCharacter;
    }
  }
  return out;
}

}  // namespace qel::platform
