#pragma once

#include "platform/settings_store.h"
#include "platform/ui.h"

namespace qel {

// The whole program above the platform: start-up (with the workshop-name prompt), the main
// window, the message loop and tear-down. The command line is not read. Answers the exit
// code, which is 0 on every path.
int runApplication(platform::Ui& ui, platform::SettingsStore& settings);

}  // namespace qel
