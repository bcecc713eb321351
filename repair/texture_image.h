#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "preview/rgba_image.h"

namespace qel {

// The repair decodes no picture larger than this on a side, nor one of more pixels than
// kLargestTexturePixels (64 MiB decoded): a header must not make us allocate for it.
inline constexpr int kLargestTextureSide = 8192;
inline constexpr std::uint64_t kLargestTexturePixels = 4096 * 4096;

struct DecodedTexture {
  std::optional<RgbaImage> image;
  std::string problem;  // when there is no image, why, in one line: "damaged (...)"
};

// A texture in JPEG, PNG, BMP, TGA or GIF (its first picture), as RGBA.
DecodedTexture decodeTextureImage(std::span<const std::uint8_t> data);

// image made smaller, keeping its aspect, to fit side by side pixels; image itself when it
// fits already.
RgbaImage fitWithin(const RgbaImage& image, int side);

// source resampled into the width x height pixels of target whose top-left is at x, y.
void resampleInto(const RgbaImage& source, RgbaImage& target, int x, int y, int width, int height);

}  // namespace qel
