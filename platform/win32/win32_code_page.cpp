#include "platform/win32/win32_code_page.h"

#include <windows.h>

#include <limits>

#include "platform/os.h"

namespace qel::platform {
namespace {

class Win32CodePage final : public CodePage {
 public:
  explicit Win32CodePage(unsigned codePage) : codePage_(codePage) {}

  std::u16string toWide(std::string_view bytes) override {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
      return {};
    }
    const int length = static_cast<int>(bytes.size());
    const int units =
        ::MultiByteToWideChar(codePage_, MB_PRECOMPOSED, bytes.data(), length, nullptr, 0);
    if (units <= 0) return std::u16string(bytes.size(), u'\uFFFD');
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    ::MultiByteToWideChar(codePage_, MB_PRECOMPOSED, bytes.data(), length, wide.data(), units);
    return std::u16string(wide.begin(), wide.end());
  }

 private:
  unsigned codePage_;
};

}  // namespace

std::unique_ptr<CodePage> makeWin32CodePage(unsigned codePage) {
  return std::make_unique<Win32CodePage>(codePage);
}

CodePage& systemCodePage() {
  static const auto codePage = makeWin32CodePage(CP_ACP);
  return *codePage;
}

}  // namespace qel::platform
