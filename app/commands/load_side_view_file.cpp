#include "app/commands/commands.h"
#include "app/commands/image_file_commands.h"
#include "image/image_slots.h"
#include "resources/captions.h"
#include "resources/picker_texts.h"

namespace qel {

void loadSideViewFile(AppState& app, platform::WindowHandle window) {
  if (const auto path =
          pickImageFile(app, window, resources::kOpenSideViewTitle, resources::kSideViewCaption)) {
    setSideViewFrom(app, window, *path);
  }
}

void setSideViewFrom(AppState& app, platform::WindowHandle window, std::u16string_view path) {
  loadImageFrom(app, window, path, resources::kSideViewCaption, storeSideView,
                resources::SourceKind::SideView);
}

}  // namespace qel
