#include "app/commands/commands.h"
#include "app/model_unit_setting.h"
#include "dialogs/model_size_dialog.h"
#include "model/model_scale.h"

namespace qel {

// The unit is the author's for every model and is kept at once. A new scale sets the model
// again from its source with that scale, so the positions are multiplied once from what the
// file says; a model that came with a container file has no source and is scaled as stored.
void editModelSize(AppState& app, platform::WindowHandle window) {
  const SourceFile* source = app.document.sources().source(resources::SourceKind::Model);
  const std::optional<SourceFile> modelSource =
      source ? std::optional<SourceFile>(*source) : std::nullopt;
  const float scale = modelSource ? modelSource->scale : 1.0f;
  const ContainerRecord& record = app.document.record();
  ModelSizeEntry values;
  values.unit = app.modelUnit;
  values.scale = scale;
  values.lengthMm = record.lengthMm;
  if (record.modelData) {
    if (const std::optional<ModelExtent> extent = modelExtent(*record.modelData)) {
      values.extent =
          ModelExtent{extent->length / scale, extent->width / scale, extent->height / scale};
    }
  }
  if (!runModelSizeDialog(app.ui, window, values)) return;
  if (values.unit != app.modelUnit) {
    app.modelUnit = values.unit;
    saveModelUnit(app.settings, values.unit);
    app.ui.repaint(window);
  }
  const auto chosen = static_cast<float>(values.scale);
  if (!values.extent || chosen == scale) return;
  if (modelSource) {
    setModelFrom(app, window, modelSource->path,
                 modelSource->repaired ? RepairChoice::Repair : RepairChoice::Ask, chosen,
                 modelSource->imageForAll);
    return;
  }
  RecordChange change(app.document);
  if (!scaleModelBlob(*change.record().modelData, chosen)) return;
  change.commit();
  app.ui.repaint(window);
}

}  // namespace qel
