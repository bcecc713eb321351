#include "model/texture_mapping.h"

namespace qel {
namespace {

// The inset of 1.1 texels on each side, as the float nearest to 2.2.
constexpr double kInset = 2.2f;

float insetShare(float extent) {
  return static_cast<float>((double{extent} - kInset) / extent);
}

// One step of the mapping: computed in double, kept as a float. Products are kept in
// statements of their own so that no compiler fuses them with the following addition.
float insetCoordinate(float coordinate, float share) {
  const double product = (double{coordinate} - 0.5) * share;
  return static_cast<float>(product + 0.5);
}

}  // namespace

MaterialMapping::MaterialMapping(const MaterialEntry& material, float atlasWidth, float atlasHeight)
    : empty_(material.rectWidth == 0.0f || material.rectHeight == 0.0f || atlasWidth == 0.0f ||
             atlasHeight == 0.0f) {
  if (empty_) return;
  sx_ = static_cast<float>(double{material.rectWidth} / atlasWidth);
  ox_ = static_cast<float>(double{material.rectX} / atlasWidth);
  sy_ = static_cast<float>(double{material.rectHeight} / atlasHeight);
  oy_ = static_cast<float>(double{material.rectY} / atlasHeight);
  kx_ = insetShare(material.rectWidth);
  ky_ = insetShare(material.rectHeight);
}

TexCoord MaterialMapping::map(TexCoord uv) const {
  if (empty_) return {0, 0};
  const float uInset = insetCoordinate(uv.u, kx_);
  const float vInset = insetCoordinate(uv.v, ky_);
  const double uScaled = double{uInset} * sx_;
  const double vScaled = double{vInset} * sy_;
  return {static_cast<float>(uScaled + ox_), static_cast<float>(1.0 - (vScaled + oy_))};
}

}  // namespace qel
