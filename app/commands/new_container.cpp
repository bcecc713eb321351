#include "app/commands/commands.h"
#include "resources/captions.h"
#include "resources/shell_texts.h"

namespace qel {
namespace {

// Only names and data blocks count as content worth a question; description, length, type
// and creation time do not.
bool holdsContent(const ContainerRecord& record) {
  return !record.makerName.empty() || !record.containerName.empty() ||
         record.sideViewData.has_value() || record.modelData.has_value() ||
         record.textureData.has_value();
}

}  // namespace

void newContainer(AppState& app, platform::WindowHandle window) {
  if (holdsContent(app.document.record()) &&
      app.ui.messageBox(window, resources::kNewContainerQuestion, resources::kNewContainerCaption,
                        platform::MessageBoxButtons::OkCancel) == platform::kIdCancel) {
    return;
  }
  // A new part is signed as any other, whatever form the file opened before had.
  app.document.startNew(app.workshopName.view());
  app.ui.repaint(window);
}

}  // namespace qel
