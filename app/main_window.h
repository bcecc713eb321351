#pragma once

#include "app/app_state.h"

namespace qel {

// The main window's behaviour: paint draws the status view, commands go through the one
// dispatch table, destruction ends the message loop with exit code 0.
class MainWindow : public platform::MainWindowHandler {
 public:
  explicit MainWindow(AppState& app) : app_(app) {}

  void onPaint(platform::WindowHandle window, platform::TextSink& sink) override;
  bool onCommand(platform::WindowHandle window, int command) override;
  void onDestroy(platform::WindowHandle window) override;

 private:
  AppState& app_;
};

}  // namespace qel
