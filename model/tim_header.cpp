#include "model/tim_header.h"

#include "base/little_endian.h"

namespace qel {
namespace {

constexpr std::size_t kHeaderSize = 20;
constexpr std::uint32_t kMode24Bit = 3;
constexpr std::uint32_t kMode8Bit = 1;

// The colour mode from the flags word; 0 for data too short to hold a header.
std::uint32_t mode(std::span<const std::uint8_t> data) {
  return data.size() < kHeaderSize ? 0 : data[4] & 3u;
}

}  // namespace

TimOrigin timImageOrigin(std::span<const std::uint8_t> data) {
  switch (mode(data)) {
    case kMode24Bit:
      return {24, readLe16(data.data() + 12), readLe16(data.data() + 14)};
    case kMode8Bit:
      return {8, 0, 0};
    default:
      return {};
  }
}

TimSize timImageSize(std::span<const std::uint8_t> data) {
  if (mode(data) != kMode24Bit) return {};
  // The width counts 16-bit units; a 24-bit pixel takes three bytes.
  return {2 * readLe16(data.data() + 16) / 3, readLe16(data.data() + 18)};
}

}  // namespace qel
