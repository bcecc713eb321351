#include "frontends/win32/gdi_sinks.h"

#include "frontends/win32/wide.h"
#include "frontends/win32/window_dpi.h"
#include "preview/bgra_over.h"

namespace qel::win32 {
namespace {

void textOutOn(HDC context, int x, int y, std::u16string_view text) {
  const std::wstring wide = toWide(text);
  ::TextOutW(context, x, y, wide.data(), static_cast<int>(wide.size()));
}

Rgba windowColour() {
  const COLORREF colour = ::GetSysColor(COLOR_WINDOW);
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour), 255};
}

}  // namespace

BITMAPINFO bgraBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

void GdiTextSink::textOut(int x, int y, std::u16string_view text) {
  textOutOn(context_, scaledForDpi(x, dpi_), scaledForDpi(y, dpi_), text);
}

void GdiTextSink::pathOut(int x, int y, std::u16string_view path) {
  std::wstring wide = toWide(path);
  RECT room{scaledForDpi(x, dpi_), scaledForDpi(y, dpi_), right_, scaledForDpi(y, dpi_)};
  // The ellipsis goes into the folders; the part after the last backslash is kept.
  ::DrawTextW(context_, wide.data(), static_cast<int>(wide.size()), &room,
              DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_PATH_ELLIPSIS);
}

void GdiPaneSink::textOut(int x, int y, std::u16string_view text) {
  textOutOn(context_, scaledForDpi(x, dpi_), scaledForDpi(y, dpi_), text);
}

void GdiPaneSink::drawPicture(int x, int y, const platform::RgbaPixels& picture) {
  const auto pixels = static_cast<std::size_t>(picture.width) * picture.height;
  if (picture.width <= 0 || picture.height <= 0 || picture.bytes.size() < pixels * 4) return;
  const std::vector<std::uint8_t> bgra = bgraOver(picture.bytes, windowColour());
  const BITMAPINFO info = bgraBitmapInfo(picture.width, picture.height);
  if (dpi_ == kLayoutDpi) {
    ::SetDIBitsToDevice(context_, x, y, static_cast<DWORD>(picture.width),
                        static_cast<DWORD>(picture.height), 0, 0, 0,
                        static_cast<UINT>(picture.height), bgra.data(), &info, DIB_RGB_COLORS);
    return;
  }
  ::SetStretchBltMode(context_, HALFTONE);
  ::SetBrushOrgEx(context_, 0, 0, nullptr);  // as HALFTONE asks
  ::StretchDIBits(context_, scaledForDpi(x, dpi_), scaledForDpi(y, dpi_),
                  scaledForDpi(picture.width, dpi_), scaledForDpi(picture.height, dpi_), 0, 0,
                  picture.width, picture.height, bgra.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace qel::win32
