#pragma once

#include <windows.h>

namespace qel::win32 {

// The status lines keep their 96-DPI layout and scale with the window's DPI above it:
// positions here, the font with ScaledFont.
inline constexpr UINT kLayoutDpi = 96;

inline int scaledForDpi(int value, UINT dpi) {
  return ::MulDiv(value, static_cast<int>(dpi), static_cast<int>(kLayoutDpi));
}

// The context's font at the window's DPI, for as long as it lives. The system font already
// fits the system's DPI; only a monitor of another DPI needs a font of its own.
class ScaledFont {
 public:
  ScaledFont(HDC context, UINT windowDpi);
  ~ScaledFont();
  ScaledFont(const ScaledFont&) = delete;
  ScaledFont& operator=(const ScaledFont&) = delete;

 private:
  HDC context_;
  HFONT font_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace qel::win32
