#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "model/repair_notes.h"
#include "preview/rgba_image.h"
#include "repair/atlas_layout.h"

namespace qel {

// The repair decodes no picture larger than this on a side, nor one of more pixels than
// kLargestTexturePixels (64 MiB decoded): a header must not make us allocate for it.
inline constexpr int kLargestTextureSide = 8192;
inline constexpr std::uint64_t kLargestTexturePixels = 4096 * 4096;

// The decoder passes over a picture once for each of its JPEG scans, however little a scan
// holds: no picture may ask for more pixel passes than this (a 4096 x 4096 JPEG of 256
// scans), so that a small file of many empty scans cannot stall the repair for minutes.
inline constexpr std::uint64_t kMostPixelPasses = std::uint64_t{1} << 32;

// What a texture's header tells before it is decoded.
struct TextureHeader {
  int width = 0;
  int height = 0;
  std::uint32_t passes = 1;  // over the whole picture: a JPEG's scans, else 1
  std::optional<ImageFault> fault;

  std::uint64_t pixels() const { return std::uint64_t(width) * std::uint64_t(height); }
  std::uint64_t pixelPasses() const { return pixels() * passes; }
};

// The header of a texture in JPEG, PNG, BMP, TGA or GIF, checked against the bounds above.
TextureHeader readTextureHeader(std::span<const std::uint8_t> data);

struct DecodedTexture {
  std::optional<RgbaImage> image;
  ImageFault fault = ImageFault::Damaged;  // when there is no image, why
};

// A texture in JPEG, PNG, BMP, TGA or GIF (its first picture), as RGBA; refused as
// damaged when its data ends before its picture does.
DecodedTexture decodeTextureImage(std::span<const std::uint8_t> data);

// The size of a picture made smaller, keeping its aspect, to fit side by side pixels; its
// own size when it fits already.
CellSize fittedSize(int width, int height, int side);

// source resampled into the width x height pixels of target whose top-left is at x, y.
void resampleInto(const RgbaImage& source, RgbaImage& target, int x, int y, int width, int height);

}  // namespace qel
