#pragma once

#include "container/container_record.h"
#include "dialogs/workshop_name_store.h"
#include "platform/ui.h"

namespace qel {

struct WorkshopNameEntry {
  bool accepted = false;  // closed with OK
  WorkshopName text;      // in: shown when the dialog opens; out: what was entered
};

// Fills the workshop-name field from entry and, on OK, takes the field's text back into it.
class WorkshopNameDialogProcedure : public platform::DialogProcedure {
 public:
  explicit WorkshopNameDialogProcedure(WorkshopNameEntry& entry) : entry_(entry) {}
  bool onInitDialog(platform::DialogControls& dialog) override;
  bool onCommand(platform::DialogControls& dialog, int command) override;

 private:
  WorkshopNameEntry& entry_;
};

// Shows the workshop-name dialog modally (owner may be none) with entry.text; entry.accepted
// tells the outcome, and stays false when the dialog cannot be shown.
void runWorkshopNameDialog(platform::Ui& ui, platform::WindowHandle owner,
                           WorkshopNameEntry& entry);

}  // namespace qel
