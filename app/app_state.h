#pragma once

#include <cstdint>
#include <optional>

#include "app/document.h"
#include "base/fixed_text.h"
#include "dialogs/workshop_name_store.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace qel {

// Everything the program keeps while it runs, in one place, used by its one thread only.
// Every command receives it together with the main window.
struct AppState {
  AppState(platform::Ui& ui, platform::SettingsStore& settings) : ui(ui), settings(settings) {}

  platform::Ui& ui;
  platform::SettingsStore& settings;
  Document document;
  WorkshopName workshopName;
  PathText currentContainerPath;  // the file last opened or saved
  // The record's fingerprint and revision when it was last opened, saved or made new (at
  // start-up, once it is signed); until then there is nothing to lose.
  std::optional<std::uint64_t> unchangedFingerprint;
  std::uint64_t unchangedRevision = 0;
};

// A command of the main window; the window owns its dialogs and is the one it repaints.
using CommandHandler = void (*)(AppState& app, platform::WindowHandle window);

}  // namespace qel
