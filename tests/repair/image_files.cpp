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

void appendChunk(Bytes& png, const char* type, const Bytes& data) {
  for (const int shift : {24, 16, 8, 0})
    png.push_back(static_cast<std::uint8_t>(data.size() >> shift));
  Bytes typed(type, type + 4);
  typed.insert(typed.end(), data.begin(), data.end());
  png.insert(png.end(), typed.begin(), typed.end());
  const unsigned crc = stbiw__crc32(typed.data(), static_cast<int>(typed.size()));
  for (const int shift : {24, 16, 8, 0}) png.push_back(static_cast<std::uint8_t>(crc >> shift));
}

}  // namespace

Bytes interlacedSixteenBitPng(int width, int height, Rgba colour) {
  // The seven passes of Adam7: where each starts and how far it steps.
  constexpr int kStart[2][7] = {{0, 4, 0, 2, 0, 1, 0}, {0, 0, 4, 0, 2, 0, 1}};
  constexpr int kStep[2][7] = {{8, 8, 4, 4, 2, 2, 1}, {8, 8, 8, 4, 4, 2, 2}};
  const std::uint8_t channels[4] = {colour.r, colour.g, colour.b, colour.a};
  Bytes raw;
  for (int pass = 0; pass < 7; ++pass) {
    const int columns = (width - kStart[0][pass] + kStep[0][pass] - 1) / kStep[0][pass];
    const int rows = (height - kStart[1][pass] + kStep[1][pass] - 1) / kStep[1][pass];
    if (columns <= 0 || rows <= 0) continue;
    for (int row = 0; row < rows; ++row) {
      raw.push_back(0);  // no filter
      for (int column = 0; column < columns; ++column) {
        for (const std::uint8_t channel : channels) raw.insert(raw.end(), {channel, channel});
      }
    }
  }
  int size = 0;
  unsigned char* deflated = stbi_zlib_compress(raw.data(), static_cast<int>(raw.size()), &size, 5);
  const Bytes idat(deflated, deflated + size);
  STBIW_FREE(deflated);
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  for (const int extent : {width, height}) {
    for (const int shift : {24, 16, 8, 0})
      header.push_back(static_cast<std::uint8_t>(extent >> shift));
  }
  header.insert(header.end(), {16, 6, 0, 0, 1});  // 16 bits, RGBA, interlaced
  appendChunk(png, "IHDR", header);
  appendChunk(png, "IDAT", idat);
  appendChunk(png, "IEND", {});
  return png;
}

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
