#include <optional>
#include <span>

#include "app/commands/commands.h"
#include "app/file_pickers.h"
#include "app/fit_length_offer.h"
#include "image/image_slots.h"
#include "model/model_conversion.h"
#include "model/model_scale.h"
#include "model/store_model.h"
#include "repair/model_repair.h"
#include "repair/repairable_codes.h"
#include "resources/captions.h"
#include "resources/picker_texts.h"
#include "resources/refusal_texts.h"
#include "resources/shell_texts.h"

namespace qel {
namespace {

// The TIM notes of the material reader, each in its own box without an owner.
class MessageBoxInfoSink : public InfoMessageSink {
 public:
  explicit MessageBoxInfoSink(platform::Ui& ui) : ui_(ui) {}
  void showInfoMessage(std::u16string_view text) override {
    ui_.messageBox(nullptr, text, resources::kTimInfoCaption, platform::MessageBoxButtons::Ok);
  }

 private:
  platform::Ui& ui_;
};

// A conversion with the TIM notes it held back.
struct HeldConversion {
  ModelConversion conversion;
  HeldInfoMessages held;
};

// Converts on a thread of its own behind the progress box; nothing when the author cancelled.
std::optional<HeldConversion> convert(AppState& app, platform::WindowHandle window,
                                      std::u16string_view path, bool repairing,
                                      std::u16string_view imageForAll = {}) {
  HeldConversion made;
  const platform::WorkOutcome outcome = app.ui.runWithProgress(
      window, resources::kModelCaption,
      repairing ? resources::kRepairingModelText : resources::kConvertingModelText,
      [&](Progress& progress) {
        made.conversion = repairing
                              ? convertObjModelWithRepair(path, made.held, progress, imageForAll)
                              : convertObjModel(path, made.held, progress);
      });
  if (outcome == platform::WorkOutcome::Cancelled) return std::nullopt;
  return made;
}

}  // namespace

// Model and texture are set together or not at all. The TIM notes of the material reader
// belong to the model as it is: they are shown once it is set as it is, or refused as it
// is, never before a repair is offered or when the repair is taken. The conversions compute
// aside, off the UI thread; a cancel leaves the part as it was.
void loadModelFile(AppState& app, platform::WindowHandle window) {
  const auto path = pickOpenPath(app,
                                 openPickerRequest(window, {resources::kModelFileFilter, u"*.obj",
                                                            resources::kOpenModelTitle, u"obj"}),
                                 resources::kModelCaption);
  if (path) setModelFrom(app, window, *path);
}

void setModelFrom(AppState& app, platform::WindowHandle window, std::u16string_view path,
                  RepairChoice repair, std::optional<float> keptScale,
                  std::u16string_view imageForAll) {
  MessageBoxInfoSink boxes(app.ui);
  std::u16string picked(imageForAll);
  std::optional<HeldConversion> made =
      convert(app, window, path, repair == RepairChoice::Repair, picked);
  if (!made) return;
  // What the repair can mend is offered with what it found; nothing is written beside the
  // model's files. A model the repair cannot take either is refused with the repair's reason.
  if (repair == RepairChoice::Ask && failed(made->conversion.result) &&
      repairMends(made->conversion.refusal.code)) {
    std::optional<HeldConversion> repaired = convert(app, window, path, true);
    if (!repaired) return;
    if (!failed(repaired->conversion.result)) {
      const RepairNotes& notes = repaired->conversion.repairNotes;
      const std::u16string offer = resources::repairOfferText(made->conversion.refusal, notes);
      // A model whose materials name no texture can take any picture the author has.
      const std::span<const std::u16string_view> choices =
          notes.noMaterialTexture
              ? std::span<const std::u16string_view>(resources::kRepairOrPickImageChoices)
              : resources::kRepairChoices;
      const int chosen = app.ui.askChoice(window, offer, resources::kModelCaption, choices);
      if (notes.noMaterialTexture && chosen == 1) {
        const auto image =
            pickOpenPath(app,
                         openPickerRequest(window, {resources::kRepairImageFileFilter,
                                                    resources::kRepairImagePatterns,
                                                    resources::kOpenModelImageTitle, u"png"}),
                         resources::kModelCaption);
        if (!image || !(repaired = convert(app, window, path, true, *image))) return;
        picked = *image;
      } else if (chosen != 0) {
        return;
      }
    }
    made = std::move(repaired);
    repair = RepairChoice::Repair;
  }
  // Set as it is, a face of more corners keeps four and leaves a hole: the repair fans it.
  if (repair == RepairChoice::Ask && !failed(made->conversion.result) &&
      made->conversion.cutFaces > 0) {
    switch (app.ui.askChoice(window, resources::cutFacesOfferText(made->conversion.cutFaces),
                             resources::kModelCaption, resources::kCutFacesChoices)) {
      case 0:
        if (!(made = convert(app, window, path, true))) return;
        repair = RepairChoice::Repair;
        break;
      case 1:
        break;
      default:
        return;
    }
  }
  made->held.release(boxes);
  ModelConversion& conversion = made->conversion;
  if (failed(conversion.result)) {
    app.ui.messageBox(window, resources::japaneseText(conversion.refusal), resources::kModelCaption,
                      platform::MessageBoxButtons::Ok);
    return;
  }
  // A new model starts at its own size, unless the author fits it to the part's length.
  const float scale =
      keptScale ? *keptScale : offerFitToLength(app, window, conversion.blob).value_or(1.0f);
  if (scale != 1.0f) scaleModelBlob(conversion.blob, scale);
  RecordChange change(app.document);
  if (failed(storeModel(change.record(), conversion.blob)) ||
      !storeTexture(change.record(), conversion.texture).ok()) {
    return;
  }
  change.commit();
  WatchedSources& sources = app.document.sources();
  sources.watch(resources::SourceKind::Model,
                {std::u16string(path), repair == RepairChoice::Repair, scale, std::move(picked)},
                conversion.materialLibraries, conversion.textureFiles);
  // The texture now comes with the model: an earlier texture file is no longer its source.
  sources.forget(resources::SourceKind::Texture);
  app.ui.repaint(window);
  if (app.document.sideViewGenerated()) offerSideViewOfNewModel(app, window);
}

}  // namespace qel
