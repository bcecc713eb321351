#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "base/bytes.h"
#include "preview/rgba_image.h"

namespace qel {

// Pictures wider or higher than this are not decoded: a container's images are at most
// 256 x 256, and a header that claims more must not make us allocate for it.
inline constexpr int kMaxDecodedSide = 1024;

// The pixels of a PNG file, whatever its colour type and depth; nothing when the bytes
// are not a whole PNG, or it is larger than kMaxDecodedSide on a side.
std::optional<RgbaImage> decodePng(std::span<const std::uint8_t> data);

// image as a PNG file (8-bit RGBA); empty when it cannot be encoded.
Bytes encodePng(const RgbaImage& image);

}  // namespace qel
