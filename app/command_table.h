#pragma once

#include "app/app_state.h"

namespace qel {

// The handler of a menu command, whether it came from the menu or an accelerator;
// nullptr for identifiers that are not in the menu.
CommandHandler findCommand(int command);

}  // namespace qel
