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

// A model's length may differ from the part's by this share and still match it.
inline constexpr double kLengthTolerance = 0.05;

// What one unit of a model file is, as its author says.
enum class ModelUnit { Millimetre, Centimetre, Metre, Inch };

inline constexpr double millimetresPer(ModelUnit unit) {
  switch (unit) {
    case ModelUnit::Centimetre:
      return 10.0;
    case ModelUnit::Metre:
      return 1000.0;
    case ModelUnit::Inch:
      return 25.4;
    case ModelUnit::Millimetre:
      break;
  }
  return 1.0;
}

// The extent of a ModelBlob's vertices; nothing for a blob that is not one or has no vertex.
std::optional<ModelExtent> modelExtent(const Bytes& blob);

// Multiplies the positions of a ModelBlob by scale, each product rounded to a 32-bit float,
// as writing the model with that scale does; normals and texture coordinates stay. False,
// with blob unchanged, for a blob that is not one.
bool scaleModelBlob(Bytes& blob, float scale);

}  // namespace qel
