#include "repair/atlas_layout.h"

#include <algorithm>
#include <cmath>

#define STBRP_STATIC
#define STB_RECT_PACK_IMPLEMENTATION
#include <stb_rect_pack.h>

namespace qel {
namespace {

int scaled(int extent, double scale) {
  return std::max(kSmallestCell, static_cast<int>(std::floor(extent * scale)));
}

std::optional<AtlasLayout> tryPacking(std::span<const CellSize> wanted, int side, double scale) {
  std::vector<stbrp_rect> rects(wanted.size());
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    rects[i].id = static_cast<int>(i);
    rects[i].w = std::min(side, scaled(wanted[i].width, scale));
    rects[i].h = std::min(side, scaled(wanted[i].height, scale));
  }
  std::vector<stbrp_node> nodes(static_cast<std::size_t>(side));
  stbrp_context context;
  stbrp_init_target(&context, side, side, nodes.data(), side);
  if (!stbrp_pack_rects(&context, rects.data(), static_cast<int>(rects.size()))) {
    return std::nullopt;
  }
  AtlasLayout layout;
  layout.places.resize(wanted.size());
  for (const stbrp_rect& rect : rects) {
    layout.places[static_cast<std::size_t>(rect.id)] = {rect.x, rect.y, rect.w, rect.h};
    layout.width = std::max(layout.width, rect.x + rect.w);
    layout.height = std::max(layout.height, rect.y + rect.h);
  }
  return layout;
}

}  // namespace

std::optional<AtlasLayout> layOutAtlas(std::span<const CellSize> wanted, int side) {
  double area = 0;
  for (const CellSize& cell : wanted) area += double(cell.width) * cell.height;
  if (wanted.empty() || area <= 0) return std::nullopt;
  // The area that fits, shrunk step by step until the packer finds room for every cell.
  int longest = 1;
  for (const CellSize& cell : wanted) longest = std::max({longest, cell.width, cell.height});
  double scale = std::min({1.0, std::sqrt(double(side) * side / area), double(side) / longest});
  for (int attempt = 0; attempt < 100; ++attempt, scale *= 0.95) {
    if (auto layout = tryPacking(wanted, side, scale)) return layout;
  }
  return std::nullopt;
}

}  // namespace qel
