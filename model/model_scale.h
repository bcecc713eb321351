#pragma once

#include <optional>

#include "base/bytes.h"

namespace qel {

// How large a model is in its own units: its length is the longer of its horizontal extents
// (x and z), its width the shorter, its height the extent along y.
struct ModelExtent {
  double length = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// The extent of a ModelBlob's vertices; nothing for a blob that is not one or has no vertex.
std::optional<ModelExtent> modelExtent(const Bytes& blob);

// Multiplies the positions of a ModelBlob by scale, each product rounded to a 32-bit float,
// as writing the model with that scale does; normals and texture coordinates stay. False,
// with blob unchanged, for a blob that is not one.
bool scaleModelBlob(Bytes& blob, float scale);

}  // namespace qel
