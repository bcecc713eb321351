#include "preview/rgba_image.h"

namespace qel {

RgbaImage::RgbaImage(int width, int height, Rgba fill) {
  reset(width, height, fill);
}

void RgbaImage::reset(int newWidth, int newHeight, Rgba fill) {
  width = newWidth;
  height = newHeight;
  pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
  for (std::size_t i = 0; i < pixels.size(); i += 4) {
    pixels[i] = fill.r;
    pixels[i + 1] = fill.g;
    pixels[i + 2] = fill.b;
    pixels[i + 3] = fill.a;
  }
}

}  // namespace qel
