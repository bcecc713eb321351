#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "base/progress.h"
#include "model/model_diagnostics.h"
#include "model/repair_reading.h"
#include "preview/rgba_image.h"

namespace qel {

// The pictures of the repair's atlas: one per texture file and one per colour that the
// faces use, each at most kAtlasSide on a side.
struct AtlasCells {
  std::vector<RgbaImage> images;
  // Per material of the reading, its cell (-1 for a material no face uses); last, the
  // cell of faces without a material.
  std::vector<std::int32_t> cellOf;
};

// The cells for the materials that reading's faces use; nothing after an error to
// diagnostics (a texture that cannot be read or decoded), reported for the OBJ file, and
// nothing without an error once progress, told of each material done, stopped it.
std::optional<AtlasCells> gatherAtlasCells(const RepairReading& reading,
                                           std::u16string_view objPath,
                                           ModelDiagnostics& diagnostics, Progress& progress);

}  // namespace qel
