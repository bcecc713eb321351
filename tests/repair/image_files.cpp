#include "tests/repair/image_files.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace qel::test {
namespace {

void append(void* context, void* data, int size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes, bytes + size);
}

}  // namespace

Bytes jpegOf(const RgbaImage& image) {
  Bytes out;
  stbi_write_jpg_to_func(append, &out, image.width, image.height, 4, image.pixels.data(), 95);
  return out;
}

Bytes bmpOf(const RgbaImage& image) {
  Bytes out;
  stbi_write_bmp_to_func(append, &out, image.width, image.height, 4, image.pixels.data());
  return out;
}

Bytes tgaOf(const RgbaImage& image, bool topDown) {
  Bytes out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (const int extent : {image.width, image.height}) {
    out.push_back(static_cast<std::uint8_t>(extent & 0xFF));
    out.push_back(static_cast<std::uint8_t>(extent >> 8));
  }
  out.push_back(24);
  out.push_back(topDown ? 0x20 : 0x00);
  for (int row = 0; row < image.height; ++row) {
    const int y = topDown ? row : image.height - 1 - row;
    for (int x = 0; x < image.width; ++x) {
      const Rgba c = image.at(x, y);
      out.insert(out.end(), {c.b, c.g, c.r});
    }
  }
  return out;
}

Bytes redOverBlueGif() {
  return {'G', 'I', 'F', '8', '9', 'a', 1, 0, 2, 0, 0x81, 0, 0,
          // four colours: red, blue, black, black
          255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0,
          // the picture: 1 x 2 at 0, 0
          0x2C, 0, 0, 0, 0, 1, 0, 2, 0, 0,
          // LZW of 2-bit codes in 3 bits: clear, 0, 1, end
          2, 2, 0x44, 0x0A, 0, 0x3B};
}

}  // namespace qel::test
