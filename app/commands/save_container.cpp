#include <new>
#include <string>

#include "app/commands/commands.h"
#include "app/file_pickers.h"
#include "app/recent_files.h"
#include "app/unsaved_changes.h"
#include "base/path_parts.h"
#include "container/container_file.h"
#include "container/file_replacement.h"
#include "platform/os.h"
#include "resources/refusal_texts.h"

namespace qel {
namespace {

constexpr std::u16string_view kCaption = u"コンテナを保存";

// The current path with the extension cnt; a dot and cnt alone before the first open or
// save, and also when the path would not fit a path buffer.
std::u16string proposedName(std::u16string_view currentPath) {
  std::u16string proposal = makeSiblingPath(currentPath, u"cnt");
  if (proposal.size() > kLongestPath) return u".cnt";
  return proposal;
}

// Applies the workshop name, says every missing item before the picker opens, and writes
// the file. A save that does not happen is always said, with its reason.
void saveRecord(AppState& app, platform::WindowHandle window) {
  ContainerRecord& record = *app.record;
  // The maker follows the workshop name when a save is refused or made, and stays as it was
  // when the picker is cancelled.
  const auto makerBefore = record.makerName;
  applyWorkshopName(record, app.workshopName.view());
  if (const SaveReadiness readiness = checkSaveReady(record); !readiness.ready()) {
    app.ui.messageBox(window, resources::japaneseText(readiness), kCaption,
                      platform::MessageBoxButtons::Ok);
    return;
  }
  record.makerName = makerBefore;
  const auto path = pickSavePath(
      app,
      savePickerRequest(
          window, {u"コンテナファイル(*.cnt)", u"*.cnt", u"コンテナファイルを保存する", u"cnt"},
          proposedName(app.currentContainerPath.view())),
      kCaption);
  if (!path) return;
  // Written in place, a save that is cut off can leave the file damaged: the author decides.
  if (replacementModeOf(*path) == ReplacementMode::InPlace &&
      app.ui.messageBox(window, resources::inPlaceSaveQuestion(*path), kCaption,
                        platform::MessageBoxButtons::OkCancel) != platform::kIdOk) {
    return;
  }
  applyWorkshopName(record, app.workshopName.view());

  platform::Clock& clock = platform::clock();
  if (const ContainerSave save =
          serializeContainer(record, *path, clock.tickMilliseconds(), clock.calendarSeconds());
      !save.ok()) {
    app.ui.messageBox(window, resources::japaneseText(save, *path), kCaption,
                      platform::MessageBoxButtons::Ok);
    return;
  }
  app.currentContainerPath.assign(*path);
  markUnchanged(app);
  rememberRecentFile(app, window, *path);
  app.ui.repaint(window);
}

}  // namespace

void saveContainer(AppState& app, platform::WindowHandle window) {
  if (!app.record) return;
  ContainerRecord& record = *app.record;
  // Running out of memory leaves the record as it was, maker and creation time included.
  const auto makerBefore = record.makerName;
  const std::int64_t createdBefore = record.createdTime;
  try {
    saveRecord(app, window);
  } catch (const std::bad_alloc&) {
    record.makerName = makerBefore;
    record.createdTime = createdBefore;
    throw;
  }
}

}  // namespace qel
