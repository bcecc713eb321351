#pragma once

#include "platform/ui.h"

namespace qel {

// The OK and Cancel buttons of an editing dialog: OK sets accepted to 1 and lets
// takeFields read the controls, Cancel (also Escape and the close box) sets it to 0, and
// both close the dialog. Answers false for any other command.
template <typename TakeFields>
bool handleOkOrCancel(platform::DialogControls& dialog, int command, int& accepted,
                      TakeFields takeFields) {
  if (command == platform::kIdOk) {
    accepted = 1;
    takeFields();
  } else if (command == platform::kIdCancel) {
    accepted = 0;
  } else {
    return false;
  }
  dialog.endDialog(0);
  return true;
}

}  // namespace qel
