#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/result.h"

namespace qel {

struct PngSize {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

// The signature and the header chunk: all that readPngSize looks at.
inline constexpr std::size_t kPngHeaderSize = 24;

// Reads width and height from a PNG header. Only the first four signature bytes are
// tested; data shorter than the 24 header bytes is refused. size is zero on failure.
Result readPngSize(std::span<const std::uint8_t> data, PngSize& size);

// Both images of a container are at most this wide and this high.
inline constexpr std::uint32_t kMaxImageSide = 256;

}  // namespace qel
