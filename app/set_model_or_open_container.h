#pragma once

#include <string_view>

#include "app/app_state.h"

namespace qel {

// A file named to the program (on its command line): an OBJ model is set as the set-model
// command sets it, anything else is opened as a container file, once unsaved changes were
// asked about. A path longer than a path buffer is refused with its reason.
void setModelOrOpenContainer(AppState& app, platform::WindowHandle window,
                             std::u16string_view path);

}  // namespace qel
