#pragma once

#include "dialogs/workshop_name_store.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace qel {

// Asks for a workshop name before the main window exists, until an allowed one is given
// (then stored and kept in name) or the user cancels (nothing is written). Answers whether
// a name was accepted.
bool promptWorkshopNameAtStart(platform::Ui& ui, platform::SettingsStore& settings,
                               WorkshopName& name);

}  // namespace qel
