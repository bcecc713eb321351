#include "model/texture_mapping.h"

namespace qel {
namespace {

// The inset of 1.1 texels on each side, as the float nearest to 2.2.
constexpr double kInset = 2.2f;

// One step of the mapping: computed in double, kept as a float. Products are kept in
// statements of their own so that no compiler fuses them with the following addition.
float insetCoordinate(float coordinate, float extent) {
  const auto k = static_cast<float>((double{extent} - kInset) / extent);
  const double product = (double{coordinate} - 0.5) * k;
  return static_cast<float>(product + 0.5);
}

}  // namespace

TexCoord mapIntoMaterial(TexCoord uv, const MaterialEntry& material, float atlasWidth,
                         float atlasHeight) {
  const float width = material.rectWidth;
  const float height = material.rectHeight;
  if (width == 0.0f || height == 0.0f || atlasWidth == 0.0f || atlasHeight == 0.0f) return {0, 0};

  const auto sx = static_cast<float>(double{width} / atlasWidth);
  const auto ox = static_cast<float>(double{material.rectX} / atlasWidth);
  const auto sy = static_cast<float>(double{height} / atlasHeight);
  const auto oy = static_cast<float>(double{material.rectY} / atlasHeight);
  const float uInset = insetCoordinate(uv.u, width);
  const float vInset = insetCoordinate(uv.v, height);
  const double uScaled = double{uInset} * sx;
  const double vScaled = double{vInset} * sy;
  return {static_cast<float>(uScaled + ox), static_cast<float>(1.0 - (vScaled + oy))};
}

}  // namespace qel
