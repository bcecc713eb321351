#include <new>
#include <string>

#include "app/commands/commands.h"
#include "app/file_pickers.h"
#include "app/recent_files.h"
#include "app/unsaved_changes.h"
#include "base/out_of_memory.h"
#include "base/path_parts.h"
#include "container/container_file.h"
#include "container/file_replacement.h"
#include "platform/os.h"
#include "resources/captions.h"
#include "resources/refusal_texts.h"

namespace qel {
namespace {

// The current path with the extension cnt; a dot and cnt alone before the first open or
// save, and also when the path would not fit a path buffer.
std::u16string proposedName(std::u16string_view currentPath) {
  std::u16string proposal = makeSiblingPath(currentPath, u"cnt");
  if (proposal.size() > kLongestPath) return u".cnt";
  return proposal;
}

// Applies the workshop name, says every missing item before the picker opens, and writes
// the file. A save that does not happen is always said, with its reason.
void saveRecord(AppState& app, platform::WindowHandle window, const MakerName& makerBefore) {
  Document& document = app.document;
  // The maker follows the workshop name when a save is refused or made, and stays as it was
  // when the picker is cancelled.
  document.sign(app.workshopName.view());
  if (const SaveReadiness readiness = checkSaveReady(document.record()); !readiness.ready()) {
    app.ui.messageBox(window, resources::japaneseText(readiness), resources::kSaveContainerCaption,
                      platform::MessageBoxButtons::Ok);
    return;
  }
  if (document.record().makerName != makerBefore) document.change().makerName = makerBefore;
  const auto path = pickSavePath(
      app,
      savePickerRequest(
          window, {u"コンテナファイル(*.cnt)", u"*.cnt", u"コンテナファイルを保存する", u"cnt"},
          proposedName(app.currentContainerPath.view())),
      resources::kSaveContainerCaption);
  if (!path) return;
  // Written in place, a save that is cut off can leave the file damaged: the author decides.
  if (replacementModeOf(*path) == ReplacementMode::InPlace &&
      app.ui.messageBox(window, resources::inPlaceSaveQuestion(*path),
                        resources::kSaveContainerCaption,
                        platform::MessageBoxButtons::OkCancel) != platform::kIdOk) {
    return;
  }
  document.sign(app.workshopName.view());

  platform::Clock& clock = platform::clock();
  const std::int64_t createdTime = document.createdTimeOnSave(clock.calendarSeconds());
  if (const ContainerSave save =
          serializeContainer(document.record(), *path, clock.tickMilliseconds(), createdTime);
      !save.ok()) {
    app.ui.messageBox(window, resources::japaneseText(save, *path),
                      resources::kSaveContainerCaption, platform::MessageBoxButtons::Ok);
    return;
  }
  document.change().createdTime = createdTime;
  app.currentContainerPath.assign(*path);
  markUnchanged(app);
  rememberRecentFile(app, window, *path);
  app.ui.repaint(window);
}

}  // namespace

void saveContainer(AppState& app, platform::WindowHandle window) {
  // Running out of memory leaves the record as it was, its maker included.
  const MakerName makerBefore = app.document.record().makerName;
  undoingOnOutOfMemory([&] { saveRecord(app, window, makerBefore); },
                       [&] {
                         if (app.document.record().makerName != makerBefore)
                           app.document.change().makerName = makerBefore;
                       });
}

}  // namespace qel
