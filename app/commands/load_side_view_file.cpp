#include "app/commands/commands.h"
#include "app/commands/image_file_commands.h"
#include "image/image_slots.h"
#include "resources/captions.h"

namespace qel {

void loadSideViewFile(AppState& app, platform::WindowHandle window) {
  loadImageFile(app, window, u"サイドビューファイルを開く", resources::kSideViewCaption,
                storeSideView);
}

}  // namespace qel
