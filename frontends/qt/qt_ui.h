#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/ui.h"

class QWidget;

namespace qel::qt {

class QtMainWindow;

// The platform's visible half on Qt Widgets. Create it after the QApplication; it owns the
// main windows it creates.
class QtUi final : public platform::Ui {
 public:
  QtUi();
  ~QtUi() override;

  int messageBox(platform::WindowHandle owner, std::u16string_view text,
                 std::u16string_view caption, platform::MessageBoxButtons buttons) override;
  int pictureBox(platform::WindowHandle owner, std::u16string_view text,
                 std::u16string_view caption, const platform::RgbaPixels& picture) override;
  int askChoice(platform::WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                std::span<const std::u16string_view> buttons) override;
  std::optional<std::u16string> pickOpenFile(const platform::FilePickerRequest& request) override;
  std::optional<std::u16string> pickSaveFile(const platform::FilePickerRequest& request) override;
  int runModalDialog(platform::WindowHandle owner, int templateId,
                     platform::DialogProcedure& procedure) override;
  platform::WorkOutcome runWithProgress(platform::WindowHandle owner, std::u16string_view caption,
                                        std::u16string_view text,
                                        const platform::LongWork& work) override;
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

  // The live main window behind handle; nullptr for anything else.
  QtMainWindow* mainWindow(platform::WindowHandle handle) const;

 private:
  QWidget* owner(platform::WindowHandle handle) const;

  std::vector<std::unique_ptr<QtMainWindow>> windows_;
  bool looping_ = false;
  std::optional<int> pendingQuit_;
};

}  // namespace qel::qt
