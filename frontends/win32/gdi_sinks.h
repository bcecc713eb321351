#pragma once

#include <windows.h>

#include "platform/ui.h"

namespace qel::win32 {

// A device-independent bitmap of width x height pixels, 32 bits each in BGRA order, its rows
// from the top.
BITMAPINFO bgraBitmapInfo(int width, int height);

// Texts with TextOutW in the context's font and colours, at positions scaled from 96 DPI to
// dpi.
class GdiTextSink final : public platform::TextSink {
 public:
  GdiTextSink(HDC context, UINT dpi) : context_(context), dpi_(dpi) {}
  void textOut(int x, int y, std::u16string_view text) override;

 private:
  HDC context_;
  UINT dpi_;
};

// The pane's texts as the status view's, and its pictures laid over the window colour.
class GdiPaneSink final : public platform::PaneSink {
 public:
  explicit GdiPaneSink(HDC context) : context_(context) {}
  void textOut(int x, int y, std::u16string_view text) override;
  void drawPicture(int x, int y, const platform::RgbaPixels& picture) override;

 private:
  HDC context_;
};

}  // namespace qel::win32
