#pragma once

#include <windows.h>

#include "platform/ui.h"

namespace qel::win32 {

// The handler's preview pane on the main window's client area. It is painted through a
// bitmap of its own, so that turning the model does not flicker, and it takes the drags of
// the left, right and middle buttons (the mouse captured until the release), the wheel and
// the keys. The handler places it whenever it is asked where it lies.

// Erases the client area but the pane, which its painting covers whole.
void eraseAroundPane(HWND window, HDC context, platform::MainWindowHandler& handler);
// Paints the pane after the status view, over the ends of lines that run under it.
void paintPane(HWND window, HDC context, platform::MainWindowHandler& handler);
// A key pressed without Shift, Ctrl or Alt; answers whether it was the pane's.
bool handlePaneKey(HWND window, WPARAM virtualKey, platform::MainWindowHandler& handler);
// Answers whether message was the pane's.
bool handlePaneMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     platform::MainWindowHandler& handler);

}  // namespace qel::win32
