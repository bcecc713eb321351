// The desktop program on the Windows API under the portable program.
#include <windows.h>

#include <commctrl.h>

#include "app/application.h"
#include "frontends/win32/win32_ui.h"
#include "platform/win32/registry_settings_store.h"

// The command line is not read.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  qel::win32::Win32Ui ui(instance);
  qel::platform::RegistrySettingsStore settings;
  return qel::runApplication(ui, settings);
}
