#pragma once

#include <string_view>

#include "base/result.h"
#include "model/model_diagnostics.h"
#include "model/obj_model.h"
#include "model/repair_reading.h"

namespace qel {

// Reads an MTL file for the repair: every newmtl appends a MaterialEntry of that name and
// a material to repair, which its Kd gives a colour and its map_Kd a texture file (looked
// for in the MTL file's folder first, then as written). No texture is read here. Answers
// as readMaterialFile does.
Result readRepairMaterialFile(std::u16string_view mtlPath, ObjModel& model,
                              ModelDiagnostics& diagnostics, RepairReading& repair);

}  // namespace qel
