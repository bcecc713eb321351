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

// Runs the dialog of templateId on a copy of values, which takes the copy only when the
// dialog closed with OK; answers whether it did.
template <typename Procedure, typename Entry>
bool runEditingDialog(platform::Ui& ui, platform::WindowHandle owner, int templateId,
                      Entry& values) {
  Entry entry = values;
  entry.accepted = false;
  Procedure procedure(entry);
  ui.runModalDialog(owner, templateId, procedure);
  if (entry.accepted) values = entry;
  return entry.accepted;
}

}  // namespace qel
