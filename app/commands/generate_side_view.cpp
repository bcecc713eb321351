#include <string>

#include "app/commands/commands.h"
#include "app/commands/image_file_commands.h"
#include "base/text_pattern.h"
#include "base/utf.h"
#include "image/image_slots.h"
#include "preview/png_codec.h"
#include "preview/side_view.h"
#include "resources/captions.h"
#include "resources/preview_texts.h"

namespace qel {

namespace {

enum class SideViewOffer { Stored, Refused, Declined, NoModel, Undrawable };

// The model seen from the side, shown with OK / キャンセル after lead, then stored through
// the same check as a side view picked from a file.
SideViewOffer offerSideView(AppState& app, platform::WindowHandle window,
                            std::u16string_view lead) {
  const ContainerRecord& record = app.document.record();
  if (!record.modelData) return SideViewOffer::NoModel;
  const PreviewMeshReading mesh = readPreviewMesh(*record.modelData);
  if (!mesh.mesh || mesh.mesh->triangles.empty()) return SideViewOffer::Undrawable;
  std::optional<RgbaImage> texture;
  if (record.textureData) texture = decodePng(*record.textureData);
  const SideViewSize size = sideViewSizeFor(record.sideViewData);
  const RgbaImage picture = renderSideView(*mesh.mesh, texture ? &*texture : nullptr, size);
  const std::u16string question =
      std::u16string(lead) +
      fillPattern(resources::kGeneratedSideViewQuestion,
                  {fromUtf8(std::to_string(size.width)), fromUtf8(std::to_string(size.height))});
  const std::u16string_view caption = resources::kGenerateSideViewCaption;
  if (app.ui.pictureBox(window, question, caption,
                        {picture.width, picture.height, picture.pixels}) != platform::kIdOk) {
    return SideViewOffer::Declined;
  }
  if (!storeImageBytes(app, window, caption, storeSideView, encodePng(picture))) {
    return SideViewOffer::Refused;
  }
  // The side view now comes from the model: the file it was set from before is no source.
  app.document.sources().forget(resources::SourceKind::SideView);
  app.document.noteSideViewGenerated(true);
  return SideViewOffer::Stored;
}

}  // namespace

void generateSideView(AppState& app, platform::WindowHandle window) {
  const auto say = [&](std::u16string_view text) {
    app.ui.messageBox(window, text, resources::kGenerateSideViewCaption,
                      platform::MessageBoxButtons::Ok);
  };
  switch (offerSideView(app, window, {})) {
    case SideViewOffer::NoModel:
      return say(resources::kSideViewNeedsModel);
    case SideViewOffer::Undrawable:
      return say(resources::kSideViewModelUndrawable);
    case SideViewOffer::Stored:
    case SideViewOffer::Refused:
      return app.ui.repaint(window);
    case SideViewOffer::Declined:
      return;
  }
}

void offerSideViewOfNewModel(AppState& app, platform::WindowHandle window) {
  if (offerSideView(app, window, resources::kSideViewOfPreviousModel) == SideViewOffer::Stored) {
    app.ui.repaint(window);
  }
}

}  // namespace qel
