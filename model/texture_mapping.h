#pragma once

#include "model/obj_model.h"

namespace qel {

// Lays the texture coordinates of the OBJ file (v upwards) into one material's rectangle
// of the atlas (v downwards), inset by 1.1 texels on each side. Every step is rounded to
// a float, so that the same file gives the same bytes everywhere. A rectangle or atlas
// without width or height gives (0, 0).
class MaterialMapping {
 public:
  // The material and atlas as they are when a face is read.
  MaterialMapping(const MaterialEntry& material, float atlasWidth, float atlasHeight);

  // Inline: a face maps each of its corners.
  TexCoord map(TexCoord uv) const {
    if (empty_) return {0, 0};
    const float uInset = insetCoordinate(uv.u, kx_);
    const float vInset = insetCoordinate(uv.v, ky_);
    const double uScaled = double{uInset} * sx_;
    const double vScaled = double{vInset} * sy_;
    return {static_cast<float>(uScaled + ox_), static_cast<float>(1.0 - (vScaled + oy_))};
  }

  // The file's coordinate that map() takes nearest to mapped: one that gives mapped
  // itself wherever such a coordinate exists. mapped itself when the mapping is empty.
  TexCoord unmap(TexCoord mapped) const;

 private:
  // One step of the mapping: computed in double, kept as a float. Products are kept in
  // statements of their own so that no compiler fuses them with the following addition.
  static float insetCoordinate(float coordinate, float share) {
    const double product = (double{coordinate} - 0.5) * share;
    return static_cast<float>(product + 0.5);
  }

  bool empty_ = true;
  float sx_ = 0, ox_ = 0, sy_ = 0, oy_ = 0;  // the rectangle in fractions of the atlas
  float kx_ = 0, ky_ = 0;                    // the share of the rectangle inside its insets
};

}  // namespace qel
