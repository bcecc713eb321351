#include "app/commands/commands.h"
#include "app/commands/image_file_commands.h"
#include "image/image_slots.h"
#include "resources/captions.h"

namespace qel {

void exportTextureFile(AppState& app, platform::WindowHandle window) {
  exportImageFile(app, window, u"テクスチャーファイルを保存する", resources::kTextureCaption,
                  copyTexture);
}

}  // namespace qel
