#include "app/commands/commands.h"
#include "dialogs/container_name_dialog.h"

namespace qel {

void editContainerName(AppState& app, platform::WindowHandle window) {
  if (!app.record) return;
  ContainerName name = app.record->containerName;
  if (!runContainerNameDialog(app.ui, window, name)) return;
  app.record->containerName = name;
  app.ui.repaint(window);
}

}  // namespace qel
