#pragma once

#include <string_view>

#include "app/app_state.h"

namespace qel {

struct Command {
  CommandHandler handler;
  std::u16string_view caption;  // of the boxes the shell shows for the command
};

// The command of a menu item, whether it came from the menu or an accelerator; nullptr for
// identifiers that are not in the menu.
const Command* findCommand(int command);

}  // namespace qel
