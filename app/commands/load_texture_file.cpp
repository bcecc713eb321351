#include "app/commands/commands.h"
#include "app/commands/image_file_commands.h"
#include "image/image_slots.h"
#include "resources/captions.h"

namespace qel {

void loadTextureFile(AppState& app, platform::WindowHandle window) {
  loadImageFile(app, window, u"テクスチャーファイルを開く", resources::kTextureCaption,
                storeTexture);
}

}  // namespace qel
