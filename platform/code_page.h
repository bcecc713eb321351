#pragma once

#include <string>
#include <string_view>

namespace qel::platform {

// Conversion from the code page in which model files name things (code page 932,
// Shift_JIS as Windows extends it) to UTF-16.
class CodePage {
 public:
  virtual ~CodePage() = default;
  // Every byte sequence converts as Windows' MultiByteToWideChar converts it: a two-byte
  // character that the code page lacks becomes U+30FB.
  virtual std::u16string toWide(std::string_view bytes) = 0;
};

}  // namespace qel::platform
