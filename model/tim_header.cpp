#include "model/tim_header.h"

namespace qel {
namespace {

constexpr std::size_t kHeaderSize = 20;
constexpr std::uint32_t kMode24Bit = 3;
constexpr std::uint32_t kMode8Bit = 1;

std::uint16_t word16(std::span<const std::uint8_t> data, std::size_t at) {
  return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

// The colour mode from the flags word; 0 for data too short to hold a header.
std::uint32_t mode(std::span<const std::uint8_t> data) {
  return data.size() < kHeaderSize ? 0 : data[4] & 3u;
}

}  // namespace

TimOrigin timImageOrigin(std::span<const std::uint8_t> data) {
  switch (mode(data)) {
    case kMode24Bit:
      return {24, word16(data, 12), word16(data, 14)};
    case kMode8Bit:
      return {8, 0, 0};
    default:
      return {};
  }
}

TimSize timImageSize(std::span<const std::uint8_t> data) {
  if (mode(data) != kMode24Bit) return {};
  // The width counts 16-bit units; a 24-bit pixel takes three bytes.
  return {2 * word16(data, 16) / 3, word16(data, 18)};
}

}  // namespace qel
