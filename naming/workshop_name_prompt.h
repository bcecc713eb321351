#pragma once

#include "app/app_state.h"

namespace qel {

// Asks for a workshop name before the main window exists, until an allowed one is given
// (then stored and kept as app.workshopName) or the user cancels (nothing is written).
// Answers whether a name was accepted.
bool promptWorkshopNameAtStart(AppState& app);

}  // namespace qel
