#pragma once

#include <windows.h>

namespace qel::win32 {

// The window is laid out at 96 DPI, as the status lines and the pane are, and scaled to the
// window's DPI above it: positions and sizes here, the font with ScaledFont.
inline constexpr UINT kLayoutDpi = 96;

inline int scaledForDpi(int value, UINT dpi) {
  return ::MulDiv(value, static_cast<int>(dpi), static_cast<int>(kLayoutDpi));
}
inline int unscaledForDpi(int value, UINT dpi) {
  return ::MulDiv(value, static_cast<int>(kLayoutDpi), static_cast<int>(dpi));
}

// The context's font at the given DPI, for as long as it lives. The system font already
// fits the system's DPI; only another DPI needs a font of its own.
class ScaledFont {
 public:
  ScaledFont(HDC context, UINT dpi);
  ~ScaledFont();
  ScaledFont(const ScaledFont&) = delete;
  ScaledFont& operator=(const ScaledFont&) = delete;

 private:
  HDC context_;
  HFONT font_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace qel::win32
