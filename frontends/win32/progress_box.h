#pragma once

#include <windows.h>

#include <string_view>

#include "platform/ui.h"

namespace qel::win32 {

// Long work behind a progress box: the work runs on a thread of its own while owner is
// disabled and the program's windows keep painting; once it has run for half a second a
// modeless box over owner shows its progress bar with キャンセル.
platform::WorkOutcome runWithProgressBox(HINSTANCE instance, HWND owner,
                                         std::u16string_view caption, std::u16string_view text,
                                         const platform::LongWork& work);

}  // namespace qel::win32
