#include "app/application.h"

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/model_unit_setting.h"
#include "app/recent_files.h"
#include "app/set_model_or_open_container.h"
#include "app/source_watch.h"
#include "base/fixed_text.h"
#include "dialogs/workshop_name_prompt.h"
#include "dialogs/workshop_name_store.h"
#include "resources/resources.h"

namespace qel {
namespace {

using WindowText = FixedText<100>;

// Obtains the workshop name (asking for one at the first start), signs the new part and opens the
// main window. nullptr when start-up is to end.
platform::WindowHandle openMainWindow(AppState& app, MainWindow& handler) {
  loadWorkshopName(app.settings, app.workshopName);
  // A stored name is trusted as it is; only an empty one makes us ask.
  if (app.workshopName.empty() &&
      !promptWorkshopNameAtStart(app.ui, app.settings, app.workshopName))
    return nullptr;
  app.document.startNew(app.workshopName.view());

  platform::MainWindowDescription description;
  description.title = WindowText(resources::loadString(resources::kTitleString)).str();
  description.className = WindowText(resources::loadString(resources::kClassNameString)).str();
  description.menu = resources::kMainMenu;
  description.accelerators = resources::kAcceleratorTable;
  description.largeIcon = resources::kLargeIcon;
  description.smallIcon = resources::kSmallIcon;
  return app.ui.createMainWindow(description, handler);
}

}  // namespace

std::string_view versionLine() {
  return "QELContainer " QEL_VERSION;
}

int runApplication(platform::Ui& ui, platform::SettingsStore& settings,
                   std::u16string_view startFile) {
  AppState app(ui, settings);
  app.modelUnit = loadModelUnit(settings);
  MainWindow handler(app);
  const platform::WindowHandle window = openMainWindow(app, handler);
  if (!window) return 0;
  loadRecentFiles(app);
  listRecentFiles(app, window);
  ui.startTimer(window, kSourceWatchMilliseconds);
  if (!startFile.empty()) setModelOrOpenContainer(app, window, startFile);

  return ui.runMessageLoop();
}

}  // namespace qel
