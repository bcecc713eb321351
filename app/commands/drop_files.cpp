#include "app/commands/commands.h"
#include "app/set_model_or_open_container.h"
#include "base/path_parts.h"
#include "resources/captions.h"
#include "resources/shell_texts.h"

namespace qel {

void dropFiles(AppState& app, platform::WindowHandle window, DropTarget target,
               std::span<const std::u16string> paths) {
  if (paths.empty()) return;
  const std::u16string& path = paths.front();
  if (!equalIgnoringCase(splitPath(path).extension, u".png")) {
    setModelOrOpenContainer(app, window, path);
    return;
  }
  if (target == DropTarget::Window) {
    switch (app.ui.askChoice(window, resources::droppedImageQuestion(path),
                             resources::kProgramCaption, resources::kDroppedImageChoices)) {
      case 0:
        target = DropTarget::Texture;
        break;
      case 1:
        target = DropTarget::SideView;
        break;
      default:
        return;
    }
  }
  if (target == DropTarget::Texture) {
    setTextureFrom(app, window, path);
  } else {
    setSideViewFrom(app, window, path);
  }
}

}  // namespace qel
