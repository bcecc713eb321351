#include "model/vertex_stride.h"

namespace qel {
namespace {

std::uint32_t positionBytes(std::uint32_t format) {
  switch (format & 0x400E) {
    case 2:
      return 12;
    case 4:
    case 6:
      return 16;
    case 8:
      return 20;
    case 10:
      return 24;
    case 12:
      return 28;
    case 14:
      return 32;
    default:
      return 0;
  }
}

}  // namespace

std::uint32_t vertexStride(std::uint32_t format) {
  std::uint32_t size = positionBytes(format);
  if (format & 0x1) size += 4;
  if (format & 0x40) size += 4;
  if (format & 0x10) size += 12;
  if (format & 0x80) size += 4;
  const std::uint32_t sets = (format >> 8) & 0xF;
  for (std::uint32_t set = 0; set < sets; ++set) {
    // Two bits per set: 0 two floats, 1 three, 2 four, 3 one.
    constexpr std::uint32_t kFloats[4] = {2, 3, 4, 1};
    // Sets beyond the code's 32 bits read as two floats.
    size += 4 * kFloats[(std::uint64_t{format} >> (16 + 2 * set)) & 3];
  }
  return size;
}

}  // namespace qel
