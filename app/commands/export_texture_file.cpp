#include "app/commands/commands.h"
#include "app/commands/image_file_commands.h"
#include "image/image_slots.h"
#include "resources/captions.h"
#include "resources/picker_texts.h"

namespace qel {

void exportTextureFile(AppState& app, platform::WindowHandle window) {
  exportImageFile(app, window, resources::kSaveTextureTitle, resources::kTextureCaption,
                  copyTexture);
}

}  // namespace qel
