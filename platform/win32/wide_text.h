#pragma once

#include <string>
#include <string_view>

namespace qel::platform {

// char16_t and wchar_t are both UTF-16 code units on Windows.
inline std::wstring toWide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}
inline std::u16string fromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace qel::platform
