#include "app/commands/commands.h"
#include "app/file_pickers.h"
#include "container/container_file.h"

namespace qel {

// Every failure ends silently and leaves the record and the path as they were; the
// command-line tool is where a user learns why a file was refused.
void openContainer(AppState& app, platform::WindowHandle window) {
  if (!app.record) return;
  const auto path =
      pickOpenPath(app, openPickerRequest(window, {u"コンテナファイル(*.cnt,*.q5c)", u"*.cnt;*.q5c",
                                                   u"コンテナファイルを開く", u"cnt"}));
  if (!path) return;
  if (openContainerFile(*app.record, *path).refusal != ContainerFileRefusal::None) return;
  app.currentContainerPath.assign(*path);
  app.ui.repaint(window);
}

}  // namespace qel
