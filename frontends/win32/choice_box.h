#pragma once

#include <span>
#include <string_view>

#include "platform/ui.h"

namespace qel::win32 {

// A question with buttons of the program's own labels ("(&X)" marks an access key), each
// sized to its text by the system's task dialog; the first is the default, the last also
// answers Escape and the close box. Answers the pressed button's index.
int showChoiceBox(platform::WindowHandle owner, std::u16string_view text,
                  std::u16string_view caption, std::span<const std::u16string_view> buttons);

}  // namespace qel::win32
