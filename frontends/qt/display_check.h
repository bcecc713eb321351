#pragma once

namespace qel::qt {

// The one line the program prints when it cannot show a window.
inline constexpr const char* kNeedsDisplayMessage =
    "qelcontainer needs a display to show its window; without one, run it under xvfb-run.\n";

// False when the window system Qt will use plainly cannot be reached (an X11 or Wayland
// platform without DISPLAY or WAYLAND_DISPLAY). Other platforms (offscreen, Windows) pass.
bool displayAvailable();

// While alive, a failure of the window system to start ends the process with
// kNeedsDisplayMessage and exit code 1 instead of an abort. Wrap the QApplication's creation.
class DisplayStartGuard {
 public:
  DisplayStartGuard();
  ~DisplayStartGuard();
  DisplayStartGuard(const DisplayStartGuard&) = delete;
  DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;
};

}  // namespace qel::qt
