#pragma once

#include <string_view>

#include "platform/settings_store.h"
#include "platform/ui.h"

namespace qel {

// The whole program above the platform: start-up (with the workshop-name prompt), the main
// window with startFile opened in it (when one was named on the command line), the message
// loop and tear-down. Answers the exit code, which is 0 on every path.
int runApplication(platform::Ui& ui, platform::SettingsStore& settings,
                   std::u16string_view startFile = {});

// What --version prints: "QELContainer 1.0.0.2".
std::string_view versionLine();

}  // namespace qel
