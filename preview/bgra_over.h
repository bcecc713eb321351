#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "preview/rgba_image.h"

namespace qel {

// RGBA pixels laid over an opaque background, as opaque BGRA: the byte order of a 32-bit
// Windows bitmap, which a device context draws without blending.
std::vector<std::uint8_t> bgraOver(std::span<const std::uint8_t> rgba, Rgba background);

}  // namespace qel
