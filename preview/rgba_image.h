#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qel {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Rgba&) const = default;
};

// A picture of 8-bit RGBA pixels, not premultiplied, rows top to bottom without gaps.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 4 bytes

  RgbaImage() = default;
  RgbaImage(int width, int height, Rgba fill);
  // Makes the picture width x height, every pixel fill, keeping the storage it has.
  void reset(int width, int height, Rgba fill);

  bool empty() const { return width == 0 || height == 0; }
  // The caller keeps x and y inside the picture.
  Rgba at(int x, int y) const {
    const std::uint8_t* p = pixels.data() + offset(x, y);
    return {p[0], p[1], p[2], p[3]};
  }
  void set(int x, int y, Rgba c) {
    std::uint8_t* p = pixels.data() + offset(x, y);
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
  }

 private:
  std::size_t offset(int x, int y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
            static_cast<std::size_t>(x)) *
           4;
  }
};

}  // namespace qel
