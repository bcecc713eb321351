#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "platform/os.h"

namespace qel::platform {
namespace {

// Code page 932 through glibc's iconv (CP932 is Microsoft's Shift_JIS).
class IconvCodePage final : public CodePage {
 public:
  IconvCodePage() : converter_(::iconv_open("UTF-16LE", "CP932")) {}
  ~IconvCodePage() override {
    if (converter_ != reinterpret_cast<iconv_t>(-1)) ::iconv_close(converter_);
  }

  std::u16string toWide(std::string_view bytes) override {
    std::u16string out;
    if (converter_ == reinterpret_cast<iconv_t>(-1)) {
      for (const char c : bytes) {
        out += static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'\uFFFD';
      }
      return out;
    }
    ::iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char buffer[512];
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t status = ::iconv(converter_, &in, &inLeft, &outPtr, &outLeft);
      appendUnits(out, buffer, static_cast<std::size_t>(outPtr - buffer));
      if (status != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // An invalid or incomplete sequence: one replacement character for its first byte.
      out += u'\uFFFD';
      ++in;
      --inLeft;
      ::iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  static void appendUnits(std::u16string& out, const char* bytes, std::size_t count) {
    for (std::size_t i = 0; i + 1 < count; i += 2) {
      out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                   (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
  }

  iconv_t converter_;
};

}  // namespace

CodePage& systemCodePage() {
  static IconvCodePage codePage;
  return codePage;
}

}  // namespace qel::platform
