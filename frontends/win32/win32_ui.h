#pragma once

#include <windows.h>

#include "platform/ui.h"

namespace qel::win32 {

// The platform's visible half over the Windows API: every call is the native one, and the
// windows and dialogs are built from the data of resources/.
class Win32Ui final : public platform::Ui {
 public:
  // showCommand: how the main window first shows, as the program was started (wWinMain's).
  Win32Ui(HINSTANCE instance, int showCommand);
  ~Win32Ui() override;

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

 private:
  HINSTANCE instance_;
  int showCommand_;
  HWND mainWindow_ = nullptr;
  HACCEL accelerators_ = nullptr;
  int listedCount_ = 0;  // items of setMenuList in the menu, with their separator
};

}  // namespace qel::win32
