#include "app/commands/commands.h"

namespace qel {

// Destroying the main window ends the message loop; nothing is asked, even after changes.
void exitProgram(AppState& app, platform::WindowHandle window) {
  app.ui.destroyWindow(window);
}

}  // namespace qel
