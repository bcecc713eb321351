#pragma once

#include <string_view>

#include "platform/ui.h"

namespace qel::win32 {

// A system message box with OK, or OK and キャンセル.
int showMessageBox(platform::WindowHandle owner, std::u16string_view text,
                   std::u16string_view caption, platform::MessageBoxButtons buttons);

// A system message box with OK and キャンセル, and picture below its text: the box is made
// larger when it opens, its buttons moved down, and the picture put where they stood.
int showPictureBox(platform::WindowHandle owner, std::u16string_view text,
                   std::u16string_view caption, const platform::RgbaPixels& picture);

}  // namespace qel::win32
