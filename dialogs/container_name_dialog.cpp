#include "dialogs/container_name_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "resources/resources.h"

namespace qel {

bool ContainerNameDialogProcedure::onInitDialog(platform::DialogControls& dialog) {
  dialog.setText(resources::kContainerNameField, entry_.containerName.view());
  return true;
}

bool ContainerNameDialogProcedure::onCommand(platform::DialogControls& dialog, int command) {
  return handleOkOrCancel(dialog, command, entry_.accepted, [&] {
    entry_.containerName.assign(
        dialog.getText(resources::kContainerNameField, kContainerNameKept + 1));
  });
}

bool runContainerNameDialog(platform::Ui& ui, platform::WindowHandle owner, ContainerName& name) {
  ContainerNameEntry entry;
  entry.containerName = name;
  ContainerNameDialogProcedure procedure(entry);
  ui.runModalDialog(owner, resources::kContainerNameDialog, procedure);
  if (entry.accepted) name = entry.containerName;
  return entry.accepted;
}

}  // namespace qel
