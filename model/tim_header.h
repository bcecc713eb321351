#pragma once

#include <cstdint>
#include <span>

namespace qel {

// Where a TIM (PlayStation texture image) lies in the texture image, from its header.
// Data shorter than the 20 header bytes counts as depth 0.
struct TimOrigin {
  std::int32_t depth = 0;  // 24, 8 or 0 (4-bit, 16-bit and unreadable images)
  std::int32_t x = 0;      // x and y given for depth 24 only
  std::int32_t y = 0;
};

struct TimSize {
  std::int32_t width = 0;  // given for 24-bit images only
  std::int32_t height = 0;
};

TimOrigin timImageOrigin(std::span<const std::uint8_t> data);
TimSize timImageSize(std::span<const std::uint8_t> data);

}  // namespace qel
