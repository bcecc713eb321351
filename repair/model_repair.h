#pragma once

#include <string_view>

#include "model/info_message_sink.h"
#include "model/model_conversion.h"
#include "repair/mesh_simplification.h"

namespace qel {

// The conversion with the repair that the author asks for. A model that needs no mending
// (its faces use the first material's texture, or TIM rectangles of it, and the
// conversion takes it) converts as convertObjModel does, byte for byte. Otherwise the OBJ and MTL
// files are read in the repair's mode and the part gets an atlas of its own, at most 256 x 256
// pixels: every texture image (JPEG, PNG, BMP, TGA or GIF of any size up to the decoder's bounds)
// in a rectangle of its own, scaled down keeping its aspect; a cell of its Kd colour for a material
// without one, and a light grey cell for faces without a material. Texture coordinates outside 0..1
// are wrapped into their rectangle.
//
// A model of more triangles than the lists take is read whole, up to kRepairTriangleBound
// triangles, and simplified to fit (progress follows that work and can cancel it).
//
// Refused as convertObjModel refuses an OBJ file that cannot be read or a model without a
// face, and besides for a model beyond the bound or that cannot be simplified enough, for a texture
// that cannot be read or decoded, or more materials than the atlas has room for.
//
// imageForAll, when given, is taken for every face of a model whose materials name no
// texture, in place of an image beside the OBJ file.
ModelConversion convertObjModelWithRepair(std::u16string_view objPath, InfoMessageSink& messages,
                                          Progress& progress = noProgress(),
                                          std::u16string_view imageForAll = {});

}  // namespace qel
