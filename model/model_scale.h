#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

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

// How a unit is written where it is stored or typed, by ModelUnit.
inline constexpr std::array<std::string_view, 4> kModelUnitCodes = {"mm", "cm", "m", "inch"};

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

// How far a model lengthUnits long, at unit, is off a part lengthMm long, as a share of the
// part's length.
inline double lengthOffBy(double lengthUnits, ModelUnit unit, double lengthMm) {
  return std::fabs(lengthUnits * millimetresPer(unit) - lengthMm) / lengthMm;
}

// The scales a model may be given: below them a part is too small to see, above them its
// positions leave the range a renderer draws at float precision.
inline constexpr double kMinModelScale = 0.00001;
inline constexpr double kMaxModelScale = 100000.0;

// The scale that makes a model of extent, at unit, as long as a part lengthMm long; nothing
// for a model or a part of no length, or a scale beyond the bounds.
std::optional<double> scaleToFit(const ModelExtent& extent, ModelUnit unit, double lengthMm);

// The extent of a ModelBlob's vertices; nothing for a blob that is not one or has no vertex.
std::optional<ModelExtent> modelExtent(const Bytes& blob);

// Multiplies the positions of a ModelBlob by scale, each product rounded to a 32-bit float,
// as writing the model with that scale does; normals and texture coordinates stay. False,
// with blob unchanged, for a blob that is not one.
bool scaleModelBlob(Bytes& blob, float scale);

}  // namespace qel
