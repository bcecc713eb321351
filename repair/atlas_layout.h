#pragma once

#include <optional>
#include <span>
#include <vector>

#include "image/png_check.h"

namespace qel {

// The texture that a container takes is at most this many pixels on a side.
inline constexpr int kAtlasSide = static_cast<int>(kMaxImageSide);

// The smallest cell: the texture mapping keeps 1.1 texels inside each edge.
inline constexpr int kSmallestCell = 3;

struct CellSize {
  int width;
  int height;
};

// A rectangle of the atlas, in pixels from its top-left corner.
struct AtlasPlace {
  int x, y, width, height;
};

struct AtlasLayout {
  int width = 0;  // the atlas: the bounding box of its places
  int height = 0;
  std::vector<AtlasPlace> places;  // one per cell, in order
};

// Places cells of the wanted sizes without overlap in an atlas of at most side by side
// pixels, each scaled by the same factor (at most 1), so that they share the area in
// proportion to their sizes; each at least kSmallestCell a side. Nothing when even that
// does not fit.
std::optional<AtlasLayout> layOutAtlas(std::span<const CellSize> wanted, int side = kAtlasSide);

}  // namespace qel
