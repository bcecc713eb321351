#include "frontends/win32/window_dpi.h"

namespace qel::win32 {

ScaledFont::ScaledFont(HDC context, UINT dpi) : context_(context) {
  const UINT systemDpi = ::GetDpiForSystem();
  if (dpi == systemDpi || systemDpi == 0) return;
  LOGFONTW font{};
  if (::GetObjectW(::GetCurrentObject(context, OBJ_FONT), sizeof font, &font) == 0) return;
  font.lfHeight = ::MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi));
  font.lfWidth = ::MulDiv(font.lfWidth, static_cast<int>(dpi), static_cast<int>(systemDpi));
  font_ = ::CreateFontIndirectW(&font);
  if (font_ != nullptr) previous_ = ::SelectObject(context, font_);
}

ScaledFont::~ScaledFont() {
  if (font_ == nullptr) return;
  ::SelectObject(context_, previous_);
  ::DeleteObject(font_);
}

}  // namespace qel::win32
