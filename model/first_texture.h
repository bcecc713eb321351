#pragma once

#include <optional>
#include <string_view>

#include "base/bytes.h"
#include "model/model_diagnostics.h"
#include "model/obj_model.h"

namespace qel {

// The texture that a container takes with the model: the first material's, which must be
// named as a PNG file, read as one and be at most 256 by 256 pixels. Nothing after an
// error to diagnostics, reported for the OBJ file at objPath.
std::optional<Bytes> takeFirstTexture(const ObjModel& model, std::u16string_view objPath,
                                      ModelDiagnostics& diagnostics);

}  // namespace qel
