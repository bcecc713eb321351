#include "app/commands/commands.h"
#include "app/commands/image_file_commands.h"
#include "image/image_slots.h"
#include "resources/captions.h"

namespace qel {

void exportSideViewFile(AppState& app, platform::WindowHandle window) {
  exportImageFile(app, window, u"サイドビューファイルを保存する", resources::kSideViewCaption,
                  copySideView);
}

}  // namespace qel
