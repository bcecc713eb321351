#include "dialogs/workshop_name_dialog.h"

#include "dialogs/dialog_buttons.h"
#include "resources/resources.h"

namespace qel {

bool WorkshopNameDialogProcedure::onInitDialog(platform::DialogControls& dialog) {
  dialog.setText(resources::kWorkshopNameField, entry_.text.view());
  return true;
}

bool WorkshopNameDialogProcedure::onCommand(platform::DialogControls& dialog, int command) {
  return handleOkOrCancel(dialog, command, entry_.accepted, [&] {
    entry_.text.assign(dialog.getText(resources::kWorkshopNameField, kWorkshopNameKept + 1));
  });
}

void runWorkshopNameDialog(platform::Ui& ui, platform::WindowHandle owner,
                           WorkshopNameEntry& entry) {
  entry.accepted = false;
  WorkshopNameDialogProcedure procedure(entry);
  ui.runModalDialog(owner, resources::kWorkshopNameDialog, procedure);
}

}  // namespace qel
