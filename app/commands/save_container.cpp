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
#include "resources/picker_texts.h"
#include "resources/refusal_texts.h"
#include "resources/shell_texts.h"

namespace qel {
namespace {

// The current path with the extension cnt; a dot and cnt alone before the first open or
// save, and also when the path would not fit a path buffer.
std::u16string proposedName(std::u16string_view currentPath) {
  std::u16string proposal = makeSiblingPath(currentPath, u"cnt");
  if (proposal.size() > kLongestPath) return u".cnt";
  return proposal;
}

}  // namespace

// Applies the workshop name, says every missing item before the picker opens, and writes
// the file. A save that does not happen is always said, with its reason. The maker follows
// the workshop name when a save is refused or made, and stays as it was when the picker or
// the question is cancelled.
void saveContainer(AppState& app, platform::WindowHandle window) {
  RecordChange change(app.document);
  change.sign(app.workshopName.view());
  if (const SaveReadiness readiness = checkSaveReady(change.record()); !readiness.ready()) {
    change.commit();
    app.ui.messageBox(window, resources::japaneseText(readiness), resources::kSaveContainerCaption,
                      platform::MessageBoxButtons::Ok);
    return;
  }
  const auto path = pickSavePath(app,
                                 savePickerRequest(window,
                                                   {resources::kSavedContainerFilter, u"*.cnt",
                                                    resources::kSaveContainerTitle, u"cnt"},
                                                   proposedName(app.document.path())),
                                 resources::kSaveContainerCaption);
  if (!path) return;
  // Written in place, a save that is cut off can leave the file damaged: the author decides.
  if (replacementModeOf(*path) == ReplacementMode::InPlace &&
      app.ui.askChoice(window, resources::inPlaceSaveQuestion(*path),
                       resources::kSaveContainerCaption, resources::kInPlaceSaveChoices) != 0) {
    return;
  }

  platform::Clock& clock = platform::clock();
  const std::int64_t createdTime = app.document.createdTimeOnSave(clock.calendarSeconds());
  // Written off the UI thread, which only reads the record meanwhile. A cancel that came too
  // late to stop the save leaves it made, and so it is taken as made.
  ContainerSave save;
  const std::uint32_t tick = clock.tickMilliseconds();
  const ContainerRecord& record = change.record();
  app.ui.runWithProgress(window, resources::kSaveContainerCaption, resources::kSavingContainerText,
                         [&](Progress& progress) {
                           save = serializeContainer(record, *path, tick, createdTime, progress);
                         });
  if (save.refusal == ContainerSave::Refusal::Cancelled) return;
  if (save.ok()) change.record().createdTime = createdTime;
  change.commit();
  if (!save.ok()) {
    app.ui.messageBox(window, resources::japaneseText(save, *path),
                      resources::kSaveContainerCaption, platform::MessageBoxButtons::Ok);
    return;
  }
  app.document.savedAs(*path);
  rememberRecentFile(app, window, *path);
  app.ui.repaint(window);
}

}  // namespace qel
