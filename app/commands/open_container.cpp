#include "app/commands/commands.h"
#include "app/file_pickers.h"
#include "app/recent_files.h"
#include "app/unsaved_changes.h"
#include "container/container_file.h"
#include "resources/captions.h"
#include "resources/picker_texts.h"
#include "resources/refusal_texts.h"

namespace qel {

// A refused file is said with its reason and leaves the record and the path as they were.
void openContainer(AppState& app, platform::WindowHandle window) {
  if (!mayLoseChanges(app, window, ChangesAt::Open)) return;
  const auto path =
      pickOpenPath(app,
                   openPickerRequest(window, {resources::kContainerFileFilter, u"*.cnt;*.q5c",
                                              resources::kOpenContainerTitle, u"cnt"}),
                   resources::kOpenContainerCaption);
  if (path) openContainerAt(app, window, *path);
}

void openContainerAt(AppState& app, platform::WindowHandle window, std::u16string_view path) {
  ContainerRecord opened;
  const ContainerFileOpening opening = openContainerFile(opened, path);
  if (opening.refusal != ContainerFileRefusal::None) {
    app.ui.messageBox(window, resources::japaneseText(opening, path),
                      resources::kOpenContainerCaption, platform::MessageBoxButtons::Ok);
    return;
  }
  app.document.startOpened(std::move(opened),
                           opening.seed ? ContainerForm::Scrambled : ContainerForm::Plain, path);
  rememberRecentFile(app, window, path);
  app.ui.repaint(window);
}

}  // namespace qel
