#include "app/commands/commands.h"
#include "app/commands/image_file_commands.h"
#include "image/image_slots.h"

namespace qel {

void loadSideViewFile(AppState& app, platform::WindowHandle window) {
  loadImageFile(app, window, u"サイドビューファイルを開く", u"サイドビュー", storeSideView);
}

}  // namespace qel
