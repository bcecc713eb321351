// The desktop program on the Windows API under the portable program.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "app/application.h"
#include "frontends/win32/win32_ui.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/wide_text.h"

namespace {

// A program without a console prints into the one it was started from, if any.
void printVersion() {
  const std::string_view line = qel::versionLine();
  ::AttachConsole(ATTACH_PARENT_PROCESS);
  const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (out != nullptr && out != INVALID_HANDLE_VALUE) {
    ::WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::WriteFile(out, "\r\n", 2, &written, nullptr);
  }
}

}  // namespace

// The program's own arguments: --version, and a file to open.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  int count = 0;
  LPWSTR* args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::u16string startFile;
  for (int i = 1; args != nullptr && i < count; ++i) {
    const std::wstring_view arg = args[i];
    if (arg == L"--version") {
      printVersion();
      return 0;
    }
    if (startFile.empty() && !arg.starts_with(L'-')) startFile = qel::platform::fromWide(arg);
  }
  ::LocalFree(args);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&controls);
  qel::win32::Win32Ui ui(instance, showCommand);
  qel::platform::RegistrySettingsStore settings;
  return qel::runApplication(ui, settings, startFile);
}
