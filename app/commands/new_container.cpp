#include "app/commands/commands.h"
#include "app/unsaved_changes.h"

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
  if (!app.record) return;
  ContainerRecord& record = *app.record;
  if (holdsContent(record) &&
      app.ui.messageBox(window, u"データを初期化しますか？", u"コンテナ初期化",
                        platform::MessageBoxButtons::OkCancel) == platform::kIdCancel) {
    return;
  }
  resetRecord(record);
  // A new part is signed as any other, whatever form the file opened before had.
  record.plainFileLoaded = false;
  applyWorkshopName(record, app.workshopName.view());
  markUnchanged(app);
  // The path stays: the window keeps showing it and the next save proposes it.
  app.ui.repaint(window);
}

}  // namespace qel
