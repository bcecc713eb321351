#include "app/main_window.h"

#include "app/command_table.h"
#include "app/status_view.h"

namespace qel {

void MainWindow::onPaint(platform::WindowHandle, platform::TextSink& sink) {
  if (app_.record) paintStatusView(*app_.record, app_.currentContainerPath.view(), sink);
}

bool MainWindow::onCommand(platform::WindowHandle window, int command) {
  const CommandHandler handler = findCommand(command);
  if (!handler) return false;
  handler(app_, window);
  return true;
}

void MainWindow::onDestroy(platform::WindowHandle) {
  app_.ui.postQuit(0);
}

}  // namespace qel
