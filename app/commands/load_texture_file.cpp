#include "app/commands/commands.h"
#include "app/commands/image_file_commands.h"
#include "image/image_slots.h"
#include "resources/captions.h"
#include "resources/picker_texts.h"

namespace qel {

void loadTextureFile(AppState& app, platform::WindowHandle window) {
  if (const auto path =
          pickImageFile(app, window, resources::kOpenTextureTitle, resources::kTextureCaption)) {
    setTextureFrom(app, window, *path);
  }
}

void setTextureFrom(AppState& app, platform::WindowHandle window, std::u16string_view path) {
  loadImageFrom(app, window, path, resources::kTextureCaption, storeTexture,
                resources::SourceKind::Texture);
}

}  // namespace qel
