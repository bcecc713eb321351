#include "app/commands/commands.h"
#include "app/recent_files.h"
#include "app/unsaved_changes.h"
#include "platform/os.h"
#include "resources/captions.h"
#include "resources/shell_texts.h"

namespace qel {

// A file that is gone is said and taken off the list before anything is asked.
void openRecentFile(AppState& app, platform::WindowHandle window, std::size_t index) {
  if (index >= app.recentFiles.size()) return;
  const std::u16string path = app.recentFiles[index];
  if (platform::fileSystem().inspect(path).kind == platform::FileState::Kind::Missing) {
    app.ui.messageBox(window, resources::recentFileMissingText(path),
                      resources::kOpenContainerCaption, platform::MessageBoxButtons::Ok);
    forgetRecentFile(app, window, path);
    return;
  }
  if (mayLoseChanges(app, window, ChangesAt::Open)) openContainerAt(app, window, path);
}

}  // namespace qel
