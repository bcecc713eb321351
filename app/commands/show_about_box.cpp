#include "app/commands/commands.h"

#include "resources/resources.h"

namespace qel {
namespace {

class AboutBoxProcedure : public platform::DialogProcedure {
 public:
  bool onInitDialog(platform::DialogControls&) override { return true; }
  bool onCommand(platform::DialogControls& dialog, int command) override {
    if (command != platform::kIdOk && command != platform::kIdCancel) return false;
    dialog.endDialog(command);
    return true;
  }
};

}  // namespace

void showAboutBox(AppState& app, platform::WindowHandle window) {
  AboutBoxProcedure procedure;
  app.ui.runModalDialog(window, resources::kAboutDialog, procedure);
}

}  // namespace qel
