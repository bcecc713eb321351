#pragma once

#include <string_view>

#include "model/model_diagnostics.h"
#include "model/obj_model.h"

namespace qel {

// A model read without a face draws nothing and is refused (model.no-face): the one rule
// that the conversion, the repair and the check share. True when the model was refused.
bool refuseFacelessModel(const ObjModel& model, std::u16string_view objPath,
                         ModelDiagnostics& diagnostics);

}  // namespace qel
