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

  TexCoord map(TexCoord uv) const;

  // The file's coordinate that map() takes nearest to mapped: one that gives mapped
  // itself wherever such a coordinate exists. mapped itself when the mapping is empty.
  TexCoord unmap(TexCoord mapped) const;

 private:
  bool empty_ = true;
  float sx_ = 0, ox_ = 0, sy_ = 0, oy_ = 0;  // the rectangle in fractions of the atlas
  float kx_ = 0, ky_ = 0;                    // the share of the rectangle inside its insets
};

}  // namespace qel
