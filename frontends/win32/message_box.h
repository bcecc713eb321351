#pragma once

#include <span>
#include <string_view>

#include "platform/ui.h"

namespace qel::win32 {

// A system message box with OK, or OK and Cancel; answers kIdOk or kIdCancel.
int showMessageBox(platform::WindowHandle owner, std::u16string_view text,
                   std::u16string_view caption, platform::MessageBoxButtons buttons);

// A system message box with OK and キャンセル, and picture below its text: the box is made
// larger when it opens, its buttons moved down, and the picture put where they stood.
int showPictureBox(platform::WindowHandle owner, std::u16string_view text,
                   std::u16string_view caption, const platform::RgbaPixels& picture);

// A question with two or three buttons of the program's labels (the system's OK and Cancel,
// or Yes, No and Cancel, renamed); answers the pressed button's index.
int showChoiceBox(platform::WindowHandle owner, std::u16string_view text,
                  std::u16string_view caption, std::span<const std::u16string_view> buttons);

}  // namespace qel::win32
