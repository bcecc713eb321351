#include <iconv.h>

#include <mutex>

#include "platform/code_page_932.h"
#include "platform/os.h"

namespace qel::platform {
namespace {

// The two-byte characters from glibc's iconv (CP932 is Microsoft's Shift_JIS).
class IconvCodePage final : public CodePage, private Cp932Pairs {
 public:
  IconvCodePage() : converter_(::iconv_open("UTF-16LE", "CP932")) {}
  ~IconvCodePage() override {
    if (converter_ != reinterpret_cast<iconv_t>(-1)) ::iconv_close(converter_);
  }

  std::u16string toWide(std::string_view bytes) override { return cp932ToWide(bytes, *this); }

 private:
  char16_t pair(unsigned char lead, unsigned char trail) override {
    if (converter_ == reinterpret_cast<iconv_t>(-1)) return kCp932DefaultCharacter;
    const std::lock_guard lock(mutex_);
    ::iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    char twoBytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    char* in = twoBytes;
    std::size_t inLeft = sizeof twoBytes;
    unsigned char unit[4];
    char* outPtr = reinterpret_cast<char*>(unit);
    std::size_t outLeft = sizeof unit;
    if (::iconv(converter_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        outLeft != 2) {
      return kCp932DefaultCharacter;
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
