#include "app/main_window.h"

#include <new>

#include "app/command_table.h"
#include "app/status_view.h"

namespace qel {

void MainWindow::onPaint(platform::WindowHandle, platform::TextSink& sink) {
  if (app_.record) paintStatusView(*app_.record, app_.currentContainerPath.view(), sink);
}

// A command that runs out of memory has changed nothing (each command changes its state
// only once nothing can fail); the program goes on and says so.
bool MainWindow::onCommand(platform::WindowHandle window, int command) {
  const Command* found = findCommand(command);
  if (!found) return false;
  try {
    found->handler(app_, window);
  } catch (const std::bad_alloc&) {
    app_.ui.messageBox(window, u"メモリが足りません。何も変更していません。", found->caption,
                       platform::MessageBoxButtons::Ok);
  }
  return true;
}

void MainWindow::onDestroy(platform::WindowHandle) {
  app_.ui.postQuit(0);
}

}  // namespace qel
