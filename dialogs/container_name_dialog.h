#pragma once

#include "base/fixed_text.h"
#include "container/container_record.h"
#include "platform/ui.h"

namespace qel {

using ContainerName = FixedText<32>;

struct ContainerNameEntry {
  bool accepted = false;  // closed with OK
  ContainerName containerName;
};

// Fills the container-name field from entry and, on OK, takes the field's text back into it.
class ContainerNameDialogProcedure : public platform::DialogProcedure {
 public:
  explicit ContainerNameDialogProcedure(ContainerNameEntry& entry) : entry_(entry) {}
  bool onInitDialog(platform::DialogControls& dialog) override;
  bool onCommand(platform::DialogControls& dialog, int command) override;

 private:
  ContainerNameEntry& entry_;
};

// Shows the container-name dialog with name; name takes the entered text only when the
// dialog is confirmed. Answers whether it was.
bool runContainerNameDialog(platform::Ui& ui, platform::WindowHandle owner, ContainerName& name);

}  // namespace qel
