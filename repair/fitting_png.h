#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "base/bytes.h"
#include "model/repair_notes.h"

namespace qel {

struct FittingPng {
  std::optional<Bytes> png;
  ImageFault fault = ImageFault::Damaged;  // when there is no png, why
};

// Whether image is one that convertToFittingPng takes, by its header alone.
bool canConvertToFittingPng(std::span<const std::uint8_t> image);

// An image in any format the repair reads, as a PNG of at most 256 x 256 pixels with its
// aspect kept, for a texture or side-view slot that takes no other.
FittingPng convertToFittingPng(std::span<const std::uint8_t> image);

}  // namespace qel
