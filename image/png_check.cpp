#include "image/png_check.h"

namespace qel {
namespace {
std::uint32_t bigEndian32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         std::uint32_t{p[3]};
}
}  // namespace

Result readPngSize(std::span<const std::uint8_t> data, PngSize& size) {
  size = {};
  if (data.size() < kPngHeaderSize) return kFailure;
  if (data[0] != 0x89 || data[1] != 'P' || data[2] != 'N' || data[3] != 'G') return kFailure;
  size.width = bigEndian32(data.data() + 16);
  size.height = bigEndian32(data.data() + 20);
  return kSuccess;
}

}  // namespace qel
