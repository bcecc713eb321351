#include "check/model_check.h"

#include "model/face_rule.h"
#include "model/first_texture.h"
#include "model/model_file_lookup.h"
#include "model/obj_reader.h"

namespace qel {
namespace {

// The TIM messages reach the check as warnings.
class SilentMessages final : public InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view) override {}
};

// A list this full leaves little room for the next edit of the model.
constexpr double kNearlyFull = 0.9;

template <typename List>
void warnIfNearlyFull(const List& list, std::string_view what, std::u16string_view objPath,
                      ModelDiagnostics& diagnostics) {
  if (list.size() < kNearlyFull * List::kCapacity) return;
  diagnostics.warning(objPath, 0, "model.near-capacity",
                      std::to_string(list.size()) + " of at most " +
                          std::to_string(List::kCapacity) + " " + std::string(what));
}

}  // namespace

void checkObjFile(std::u16string_view objPath, const DiagnosticSink& sink) {
  const auto model = createObjModel();
  ModelDiagnostics diagnostics(ModelDiagnostics::Mode::Everything, sink);
  SilentMessages messages;
  const FolderListingScope listings;
  readObjFile(objPath, *model, messages, diagnostics);
  // Nothing was read: whatever else could be said would only follow from that.
  if (diagnostics.hasFileError()) return;
  takeFirstTexture(*model, objPath, diagnostics);
  refuseFacelessModel(*model, objPath, diagnostics);
  warnIfNearlyFull(model->positions, "positions", objPath, diagnostics);
  warnIfNearlyFull(model->normals, "normals", objPath, diagnostics);
  warnIfNearlyFull(model->texCoords, "texture coordinates", objPath, diagnostics);
  warnIfNearlyFull(model->vertices, "vertices", objPath, diagnostics);
  warnIfNearlyFull(model->indices, "indices", objPath, diagnostics);
  warnIfNearlyFull(model->materials, "materials", objPath, diagnostics);
}

std::vector<Diagnostic> checkObjFile(std::u16string_view objPath) {
  std::vector<Diagnostic> found;
  checkObjFile(objPath, [&found](const Diagnostic& d) { found.push_back(d); });
  return found;
}

}  // namespace qel
