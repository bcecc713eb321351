#include "app/commands/commands.h"
#include "app/file_pickers.h"
#include "app/source_watch.h"
#include "image/image_slots.h"
#include "model/model_conversion.h"
#include "model/store_model.h"
#include "repair/model_repair.h"
#include "repair/repairable_codes.h"
#include "resources/captions.h"
#include "resources/refusal_texts.h"

namespace qel {
namespace {

// The TIM notes of the material reader, each in its own box without an owner.
class MessageBoxInfoSink : public InfoMessageSink {
 public:
  explicit MessageBoxInfoSink(platform::Ui& ui) : ui_(ui) {}
  void showInfoMessage(std::u16string_view text) override {
    ui_.messageBox(nullptr, text, u"K.DORAN INFORMATION", platform::MessageBoxButtons::Ok);
  }

 private:
  platform::Ui& ui_;
};

}  // namespace

// Model and texture are set together or not at all. A refused model is said with its
// reason, after the TIM notes of the material reader.
void loadModelFile(AppState& app, platform::WindowHandle window) {
  const auto path =
      pickOpenPath(app, openPickerRequest(window, {u"モデルファイル(*.obj)", u"*.obj",
                                                   u"Wavefront OBJファイルを開く", u"obj"}));
  if (path) setModelFrom(app, window, *path);
}

void setModelFrom(AppState& app, platform::WindowHandle window, std::u16string_view path,
                  RepairChoice repair) {
  MessageBoxInfoSink messages(app.ui);
  ModelConversion conversion = repair == RepairChoice::Repair
                                   ? convertObjModelWithRepair(path, messages)
                                   : convertObjModel(path, messages);
  // A model over capacity is repaired first, so that the offer can say what it gives; what
  // the repair refuses is said instead.
  if (repair == RepairChoice::Ask && conversion.refusal.code == "obj.capacity") {
    ModelConversion repaired = convertObjModelWithRepair(path, messages);
    if (!failed(repaired.result)) {
      const std::u16string offer = repaired.simplification
                                       ? resources::simplifyOfferText(*repaired.simplification)
                                       : resources::repairOfferText(conversion.refusal);
      if (app.ui.messageBox(window, offer, resources::kModelCaption,
                            platform::MessageBoxButtons::OkCancel) != platform::kIdOk) {
        return;
      }
      repair = RepairChoice::Repair;
    }
    conversion = std::move(repaired);
  }
  // What the repair can mend is offered; nothing is written beside the model's files.
  if (repair == RepairChoice::Ask && failed(conversion.result) &&
      repairMends(conversion.refusal.code)) {
    if (app.ui.messageBox(window, resources::repairOfferText(conversion.refusal),
                          resources::kModelCaption,
                          platform::MessageBoxButtons::OkCancel) != platform::kIdOk) {
      return;
    }
    conversion = convertObjModelWithRepair(path, messages);
    repair = RepairChoice::Repair;
  }
  // Set as it is, a face of more corners keeps four and leaves a hole: the repair fans it.
  if (repair == RepairChoice::Ask && !failed(conversion.result) && conversion.cutFaces > 0) {
    switch (app.ui.askChoice(window, resources::cutFacesOfferText(conversion.cutFaces),
                             resources::kModelCaption, resources::kCutFacesChoices)) {
      case 0:
        conversion = convertObjModelWithRepair(path, messages);
        repair = RepairChoice::Repair;
        break;
      case 1:
        break;
      default:
        return;
    }
  }
  if (failed(conversion.result)) {
    app.ui.messageBox(window, resources::japaneseText(conversion.refusal), resources::kModelCaption,
                      platform::MessageBoxButtons::Ok);
    return;
  }
  // Both are stored aside first, so that running out of memory between them changes nothing.
  ContainerRecord converted;
  if (failed(storeModel(converted, conversion.blob)) ||
      !storeTexture(converted, conversion.texture).ok()) {
    return;
  }
  ContainerRecord& record = app.document.change();
  record.modelData = std::move(converted.modelData);
  record.modelVertexCount = converted.modelVertexCount;
  record.textureData = std::move(converted.textureData);
  record.textureWidth = converted.textureWidth;
  record.textureHeight = converted.textureHeight;
  // The texture now comes with the model: an earlier texture file is no longer its source.
  std::vector<std::u16string> files = std::move(conversion.sourceFiles);
  files.emplace_back(path);
  watchSource(app, resources::SourceKind::Model,
              {std::u16string(path), repair == RepairChoice::Repair}, std::move(files));
  forgetSource(app, resources::SourceKind::Texture);
  app.ui.repaint(window);
}

}  // namespace qel
