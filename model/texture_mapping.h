#pragma once

#include "model/obj_model.h"

namespace qel {

// Lays a texture coordinate of the OBJ file (v upwards) into the material's rectangle of
// the atlas (v downwards), inset by 1.1 texels on each side. Every step is rounded to a
// float, so that the same file gives the same bytes everywhere. A rectangle or atlas
// without width or height gives (0, 0).
TexCoord mapIntoMaterial(TexCoord uv, const MaterialEntry& material, float atlasWidth,
                         float atlasHeight);

}  // namespace qel
