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

void GdiPaneSink::textOut(int x, int y, std::u16string_view text) {
  textOutOn(context_, x, y, text);
}

void GdiPaneSink::drawPicture(int x, int y, const platform::RgbaPixels& picture) {
  const auto pixels = static_cast<std::size_t>(picture.width) * picture.height;
  if (picture.width <= 0 || picture.height <= 0 || picture.bytes.size() < pixels * 4) return;
  const std::vector<std::uint8_t> bgra = bgraOver(picture.bytes, windowColour());
  const BITMAPINFO info = bgraBitmapInfo(picture.width, picture.height);
  ::SetDIBitsToDevice(context_, x, y, static_cast<DWORD>(picture.width),
                      static_cast<DWORD>(picture.height), 0, 0, 0,
                      static_cast<UINT>(picture.height), bgra.data(), &info, DIB_RGB_COLORS);
}

}  // namespace qel::win32
