#pragma once

#include "platform/ui.h"

namespace qel {

// Where the preview pane lies in a client area of any size: right of the value column's
// blocks, whose lines are short (a label and a number), and below the line of the type,
// above which the path, the names and the description may run to any length. So the pane
// never covers a status line, and it takes all the room that is left; a client area too
// small for it has no pane.
inline constexpr int kPaneLeft = 400;
inline constexpr int kPaneTop = 124;
inline constexpr int kPaneBorder = 8;  // to the right and bottom edges

platform::ClientArea previewPaneArea(int clientWidth, int clientHeight);

// The client area the main window opens with: the status lines and the pane at its first
// size.
platform::ClientArea firstClientArea();

}  // namespace qel
