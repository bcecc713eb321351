#pragma once

#include <memory>
#include <optional>

#include "base/fixed_text.h"
#include "container/container_record.h"
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
  // The one open container; it exists from start-up until after the main window is gone.
  std::unique_ptr<ContainerRecord> record;
  WorkshopName workshopName;
  PathText currentContainerPath;  // the file last opened or saved
  // The record's fingerprint when it was last opened, saved or made new (at start-up, once
  // it is signed); until then there is nothing to lose.
  std::optional<std::uint64_t> unchangedFingerprint;
};

// A command of the main window; the window owns its dialogs and is the one it repaints.
using CommandHandler = void (*)(AppState& app, platform::WindowHandle window);

}  // namespace qel
