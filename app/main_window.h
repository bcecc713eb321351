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
  bool hasUnsavedChanges() const override;
  void onDestroy(platform::WindowHandle window) override;
  platform::ClientArea firstClientArea() const override;
  platform::ClientArea placePreviewPane(int clientWidth, int clientHeight) override;
  void onPaintPane(platform::WindowHandle window, platform::PaneSink& sink) override;
  bool onPaneMouse(platform::WindowHandle window, const platform::PaneMouse& mouse) override;
  bool onPaneKey(platform::WindowHandle window, int virtualKey) override;
  void onDropFiles(platform::WindowHandle window, int x, int y,
                   std::span<const std::u16string> paths) override;
  void onTimer(platform::WindowHandle window) override;

 private:
  template <typename Run>
  void runGuarded(platform::WindowHandle window, std::u16string_view caption, Run run);

  AppState& app_;
  PreviewPane pane_;
  platform::ClientArea paneArea_{};  // where the pane was placed last
  bool running_ = false;  // a command, a drop or a reload, whose boxes the timer must not cross
};

}  // namespace qel
