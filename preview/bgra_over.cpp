#include "preview/bgra_over.h"

namespace qel {
namespace {

std::uint8_t blend(std::uint8_t over, std::uint8_t under, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

}  // namespace

std::vector<std::uint8_t> bgraOver(std::span<const std::uint8_t> rgba, Rgba background) {
  std::vector<std::uint8_t> bgra(rgba.size() / 4 * 4);
  for (std::size_t i = 0; i < bgra.size(); i += 4) {
    const std::uint8_t alpha = rgba[i + 3];
    bgra[i] = blend(rgba[i + 2], background.b, alpha);
    bgra[i + 1] = blend(rgba[i + 1], background.g, alpha);
    bgra[i + 2] = blend(rgba[i], background.r, alpha);
    bgra[i + 3] = 255;
  }
  return bgra;
}

}  // namespace qel
