#pragma once

#include "app/app_state.h"
#include "preview/preview_pane.h"

namespace qel {

// The main window's behaviour: paint draws the status view and the preview pane of the
// record, commands go through the one dispatch table, destruction ends the message loop
// with exit code 0.
class MainWindow : public platform::MainWindowHandler {
 public:
  explicit MainWindow(AppState& app);

  void onPaint(platform::WindowHandle window, platform::TextSink& sink) override;
  bool onCommand(platform::WindowHandle window, int command) override;
  bool onCloseRequest(platform::WindowHandle window) override;
  void onDestroy(platform::WindowHandle window) override;
  platform::ClientArea firstClientArea() const override;
  platform::ClientArea placePreviewPane(int clientWidth, int clientHeight) override;
  void onPaintPane(platform::WindowHandle window, platform::PaneSink& sink) override;
  bool onPaneMouse(platform::WindowHandle window, const platform::PaneMouse& mouse) override;
  bool onPaneKey(platform::WindowHandle window, int virtualKey) override;

 private:
  AppState& app_;
  PreviewPane pane_;
};

}  // namespace qel
