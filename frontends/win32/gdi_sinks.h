#pragma once

#include <windows.h>

#include "platform/ui.h"

namespace qel::win32 {

// A device-independent bitmap of width x height pixels, 32 bits each in BGRA order, its rows
// from the top.
BITMAPINFO bgraBitmapInfo(int width, int height);

// Texts with TextOutW in the context's font and colours, at positions scaled from 96 DPI to
// dpi; paths shortened by the system to end before right, in the context's pixels.
class GdiTextSink final : public platform::TextSink {
 public:
  GdiTextSink(HDC context, UINT dpi, int right) : context_(context), dpi_(dpi), right_(right) {}
  void textOut(int x, int y, std::u16string_view text) override;
  void pathOut(int x, int y, std::u16string_view path) override;

 private:
  HDC context_;
  UINT dpi_;
  int right_;
};

// The pane's texts as the status view's, and its pictures laid over the window colour, at
// positions and sizes scaled from 96 DPI to dpi: the texts in the context's font drawn at
// that DPI, the pictures stretched.
class GdiPaneSink final : public platform::PaneSink {
 public:
  GdiPaneSink(HDC context, UINT dpi) : context_(context), dpi_(dpi) {}
  void textOut(int x, int y, std::u16string_view text) override;
  void drawPicture(int x, int y, const platform::RgbaPixels& picture) override;

 private:
  HDC context_;
  UINT dpi_;
};

}  // namespace qel::win32
