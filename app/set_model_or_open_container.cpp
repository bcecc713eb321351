#include "app/set_model_or_open_container.h"

#include <string>

#include "app/commands/commands.h"
#include "app/unsaved_changes.h"
#include "base/path_parts.h"
#include "model/obj_reader.h"
#include "resources/captions.h"
#include "resources/refusal_texts.h"

namespace qel {

void setModelOrOpenContainer(AppState& app, platform::WindowHandle window,
                             std::u16string_view path) {
  const bool model = isObjPath(path);
  const std::u16string_view caption =
      model ? resources::kModelCaption : resources::kOpenContainerCaption;
  if (path.size() > kLongestPath) {
    app.ui.messageBox(window, resources::openRefusedText(path, resources::pathTooLongText()),
                      caption, platform::MessageBoxButtons::Ok);
    return;
  }
  if (model) {
    setModelFrom(app, window, path);
  } else if (mayLoseChanges(app, window, ChangesAt::Open)) {
    openContainerAt(app, window, path);
  }
}

}  // namespace qel
