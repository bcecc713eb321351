#pragma once

#include "platform/ui.h"

namespace qel {

// The OK and Cancel buttons of an editing dialog: OK sets accepted and lets takeFields
// read the controls, Cancel (also Escape and the close box) clears it, and both close the
// dialog. Answers false for any other command.
template <typename TakeFields>
bool handleOkOrCancel(platform::DialogControls& dialog, int command, bool& accepted,
                      TakeFields takeFields) {
  if (command == platform::kIdOk) {
    accepted = true;
    takeFields();
  } else if (command == platform::kIdCancel) {
    accepted = false;
  } else {
    return false;
  }
  dialog.endDialog(0);
  return true;
}

}  // namespace qel
