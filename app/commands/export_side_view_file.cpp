#include "app/commands/commands.h"
#include "app/commands/image_file_commands.h"
#include "image/image_slots.h"

namespace qel {

void exportSideViewFile(AppState& app, platform::WindowHandle window) {
  exportImageFile(app, window, u"サイドビューファイルを保存する", u"サイドビュー", copySideView);
}

}  // namespace qel
