#include "app/commands/commands.h"
#include "app/unsaved_changes.h"

namespace qel {

// Destroying the main window ends the message loop, once unsaved changes were asked about.
void exitProgram(AppState& app, platform::WindowHandle window) {
  if (mayLoseChanges(app, window, ChangesAt::Close)) app.ui.destroyWindow(window);
}

}  // namespace qel
