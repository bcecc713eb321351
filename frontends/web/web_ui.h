#pragma once

#include <optional>
#include <string>
#include <vector>

#include "frontends/web/page.h"
#include "platform/ui.h"

namespace qel::web {

// The platform's visible half in the page: the window is the page's canvas and menu bar, the
// boxes, pickers and dialogs are the page's, and the message loop waits on the page's events.
class WebUi final : public platform::Ui {
 public:
  WebUi();

  int messageBox(platform::WindowHandle owner, std::u16string_view text,
                 std::u16string_view caption, platform::MessageBoxButtons buttons) override;
  int askChoice(platform::WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                std::span<const std::u16string_view> buttons) override;
  int pictureBox(platform::WindowHandle owner, std::u16string_view text,
                 std::u16string_view caption, const platform::RgbaPixels& picture) override;
  std::optional<std::u16string> pickOpenFile(const platform::FilePickerRequest& request) override;
  std::optional<std::u16string> pickSaveFile(const platform::FilePickerRequest& request) override;
  platform::WorkOutcome runWithProgress(platform::WindowHandle owner, std::u16string_view caption,
                                        std::u16string_view text,
                                        const platform::LongWork& work) override;
  int runModalDialog(platform::WindowHandle owner, int templateId,
                     platform::DialogProcedure& procedure) override;
  platform::WindowHandle createMainWindow(const platform::MainWindowDescription& description,
                                          platform::MainWindowHandler& handler) override;
  void repaint(platform::WindowHandle window) override;
  void destroyWindow(platform::WindowHandle window) override;
  void setMenuList(platform::WindowHandle window, int beforeCommand,
                   std::span<const platform::MenuListItem> items) override;
  void startTimer(platform::WindowHandle window, int milliseconds) override;
  bool isActive(platform::WindowHandle window) override;
  void postQuit(int exitCode) override;
  int runMessageLoop() override;
  std::u16string programFolder() override;
  bool openInBrowser(std::u16string_view path) override;

 private:
  // The count of boxes, pickers and dialogs open over the window.
  class Modal;

  void dispatch(PageEvent event);
  void resize(int width, int height);
  void key(int virtualKey, bool shift, bool control, bool alt);
  void mouse(const platform::PaneMouse& mouse);
  void drop(int x, int y);
  // The files the page hands in, each put in memory under a folder of its own; their paths.
  std::vector<std::u16string> takeIncomingFiles();

  platform::MainWindowHandler* handler_ = nullptr;
  int accelerators_ = 0;
  platform::ClientArea pane_{};
  bool paneHeld_ = false;  // a press on the pane, until its release
  int modals_ = 0;
  int nextFolder_ = 1;
  std::optional<int> quit_;
};

}  // namespace qel::web
