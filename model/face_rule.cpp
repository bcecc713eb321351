#include "model/face_rule.h"

namespace qel {

bool refuseFacelessModel(const ObjModel& model, std::u16string_view objPath,
                         ModelDiagnostics& diagnostics) {
  if (!model.vertices.empty()) return false;
  diagnostics.error(objPath, 0, "model.no-face", "the model has no face");
  return true;
}

}  // namespace qel
