#include "app/commands/commands.h"
#include "dialogs/container_name_dialog.h"

namespace qel {

void editContainerName(AppState& app, platform::WindowHandle window) {
  ContainerName name = app.document.record().containerName;
  if (!runContainerNameDialog(app.ui, window, name)) return;
  app.document.change().containerName = name;
  app.ui.repaint(window);
}

}  // namespace qel
