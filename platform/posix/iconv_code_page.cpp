#include <iconv.h>

#include <mutex>

#include "platform/os.h"

namespace qel::platform {
namespace {

// What Windows' MultiByteToWideChar gives for a character that code page 932 lacks.
constexpr char16_t kDefaultCharacter = u'\u30FB';

bool isLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The single bytes above 0x7F, as Windows converts them: 0x80, 0xA0 and 0xFD to 0xFF have
// no character in Shift_JIS, but Windows keeps them apart instead of replacing them.
char16_t singleByte(unsigned char byte) {
  if (byte == 0x80) return u'\u0080';
  if (byte == 0xA0) return u'\uF8F0';
  if (byte >= 0xFD) return static_cast<char16_t>(0xF8F1 + (byte - 0xFD));
  return static_cast<char16_t>(0xFF61 + (byte - 0xA1));  // half-width katakana
}

// Code page 932 converted as Windows' MultiByteToWideChar converts it, with the two-byte
// characters from glibc's iconv (CP932 is Microsoft's Shift_JIS). A lead byte with a second
// byte that makes no character gives the default character for both; a lead byte at the end
// or before a zero byte gives it for itself alone.
class IconvCodePage final : public CodePage {
 public:
  IconvCodePage() : converter_(::iconv_open("UTF-16LE", "CP932")) {}
  ~IconvCodePage() override {
    if (converter_ != reinterpret_cast<iconv_t>(-1)) ::iconv_close(converter_);
  }

  std::u16string toWide(std::string_view bytes) override {
    std::u16string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      if (byte < 0x80) {
        out += static_cast<char16_t>(byte);
      } else if (!isLeadByte(byte)) {
        out += singleByte(byte);
      } else if (i + 1 < bytes.size() && bytes[i + 1] != '\0') {
        out += pair(bytes.substr(i, 2));
        ++i;
      } else {
        out += kDefaultCharacter;
      }
    }
    return out;
  }

 private:
  char16_t pair(std::string_view twoBytes) {
    if (converter_ == reinterpret_cast<iconv_t>(-1)) return kDefaultCharacter;
    const std::lock_guard lock(mutex_);
    ::iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(twoBytes.data());
    std::size_t inLeft = twoBytes.size();
    unsigned char unit[4];
    char* outPtr = reinterpret_cast<char*>(unit);
    std::size_t outLeft = sizeof unit;
    if (::iconv(converter_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        outLeft != 2) {
      return kDefaultCharacter;
    }
    return static_cast<char16_t>(unit[0] | (unit[1] << 8));
  }

  iconv_t converter_;
  std::mutex mutex_;  // one converter for the program's threads: long work runs on its own
};

}  // namespace

CodePage& systemCodePage() {
  static IconvCodePage codePage;
  return codePage;
}

}  // namespace qel::platform
