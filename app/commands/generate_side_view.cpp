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

// The model seen from the side, shown with OK / キャンセル, then stored through the same
// check as a side view picked from a file.
void generateSideView(AppState& app, platform::WindowHandle window) {
  const ContainerRecord& record = app.document.record();
  const std::u16string_view caption = resources::kGenerateSideViewCaption;
  const auto say = [&](std::u16string_view text) {
    app.ui.messageBox(window, text, caption, platform::MessageBoxButtons::Ok);
  };
  if (!record.modelData) return say(resources::kSideViewNeedsModel);
  const PreviewMeshReading mesh = readPreviewMesh(*record.modelData);
  if (!mesh.mesh || mesh.mesh->triangles.empty()) {
    return say(resources::kSideViewModelUndrawable);
  }
  std::optional<RgbaImage> texture;
  if (record.textureData) texture = decodePng(*record.textureData);
  const SideViewSize size = sideViewSizeFor(record.sideViewData);
  const RgbaImage picture = renderSideView(*mesh.mesh, texture ? &*texture : nullptr, size);
  const std::u16string question =
      fillPattern(resources::kGeneratedSideViewQuestion,
                  {fromUtf8(std::to_string(size.width)), fromUtf8(std::to_string(size.height))});
  if (app.ui.pictureBox(window, question, caption,
                        {picture.width, picture.height, picture.pixels}) != platform::kIdOk) {
    return;
  }
  storeImageBytes(app, window, caption, storeSideView, encodePng(picture));
  app.ui.repaint(window);
}

}  // namespace qel
