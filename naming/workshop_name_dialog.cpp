#include "naming/workshop_name_dialog.h"

#include "resources/resources.h"

namespace qel {

bool WorkshopNameDialogProcedure::onInitDialog(platform::DialogControls& dialog) {
  dialog.setText(kWorkshopNameField, entry_.text.view());
  return true;
}

bool WorkshopNameDialogProcedure::onCommand(platform::DialogControls& dialog, int command) {
  if (command == platform::kIdOk) {
    entry_.accepted = 1;
    entry_.text.assign(dialog.getText(kWorkshopNameField, kWorkshopNameKept + 1));
  } else if (command == platform::kIdCancel) {
    entry_.accepted = 0;
  } else {
    return false;
  }
  dialog.endDialog(0);
  return true;
}

void runWorkshopNameDialog(platform::Ui& ui, platform::WindowHandle owner,
                           WorkshopNameEntry& entry) {
  entry.accepted = 0;
  WorkshopNameDialogProcedure procedure(entry);
  ui.runModalDialog(owner, resources::kWorkshopNameDialog, procedure);
}

}  // namespace qel
