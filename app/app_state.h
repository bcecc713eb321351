#pragma once

#include <string>
#include <vector>

#include "app/document.h"
#include "dialogs/workshop_name_store.h"
#include "model/model_scale.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace qel {

// The session: everything the program keeps while it runs, used by its one thread only,
// with the one open part. Every command receives it together with the main window.
struct AppState {
  AppState(platform::Ui& ui, platform::SettingsStore& settings) : ui(ui), settings(settings) {}

  platform::Ui& ui;
  platform::SettingsStore& settings;
  Document document;
  WorkshopName workshopName;
  // What one unit of a model is, as the author says (model_unit_setting.h).
  ModelUnit modelUnit = ModelUnit::Millimetre;
  // The containers last opened or saved, the newest first (recent_files.h).
  std::vector<std::u16string> recentFiles;
};

// A command of the main window; the window owns its dialogs and is the one it repaints.
using CommandHandler = void (*)(AppState& app, platform::WindowHandle window);

}  // namespace qel
