#pragma once

#include <cstdint>
#include <optional>

#include "base/progress.h"
#include "model/model_conversion.h"
#include "model/repair_reading.h"

namespace qel {

// Reduces the faces of the repair's mesh to at most maxTriangles, rewriting the mesh and the
// per-vertex lists of reading in place, with a vertex per corner as before. Texture seams,
// material borders and normal creases of smooth faces stay where they are; flat faces get
// the flat normal of their new shape. Nothing when it was cancelled or the mesh could not be
// brought down to maxTriangles; reading's mesh is then of no further use.
std::optional<ModelSimplification> simplifyToFit(RepairReading& reading, std::int32_t maxTriangles,
                                                 Progress& progress = noProgress());

}  // namespace qel
