#pragma once

#include <string>
#include <string_view>

#include "platform/ui.h"
#include "platform/win32/wide_text.h"

namespace qel::win32 {

using platform::fromWide;
using platform::toWide;

inline HWND toHwnd(platform::WindowHandle window) {
  return static_cast<HWND>(const_cast<void*>(window));
}

}  // namespace qel::win32
