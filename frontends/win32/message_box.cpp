#include "frontends/win32/message_box.h"

#include <windows.h>

#include "frontends/win32/wide.h"

namespace qel::win32 {
namespace {

HHOOK renamingHook = nullptr;

// Renames the buttons of the box about to show; the box is the first window activated.
LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    ::SetDlgItemTextW(box, IDYES, L"保存");
    ::SetDlgItemTextW(box, IDNO, L"保存しない");
    ::SetDlgItemTextW(box, IDCANCEL, L"キャンセル");
    ::UnhookWindowsHookEx(renamingHook);
    renamingHook = nullptr;
    return 0;
  }
  return ::CallNextHookEx(renamingHook, code, wParam, lParam);
}

UINT typeOf(platform::MessageBoxButtons buttons) {
  switch (buttons) {
    case platform::MessageBoxButtons::Ok:
      break;
    case platform::MessageBoxButtons::OkCancel:
      return MB_OKCANCEL;
    case platform::MessageBoxButtons::SaveDiscardCancel:
      return MB_YESNOCANCEL | MB_ICONWARNING;
  }
  return MB_OK;
}

}  // namespace

int showMessageBox(platform::WindowHandle owner, std::u16string_view text,
                   std::u16string_view caption, platform::MessageBoxButtons buttons) {
  if (buttons == platform::MessageBoxButtons::SaveDiscardCancel) {
    renamingHook = ::SetWindowsHookExW(WH_CBT, renameButtons, nullptr, ::GetCurrentThreadId());
  }
  const int answer =
      ::MessageBoxW(toHwnd(owner), toWide(text).c_str(), toWide(caption).c_str(), typeOf(buttons));
  if (renamingHook != nullptr) {
    ::UnhookWindowsHookEx(renamingHook);
    renamingHook = nullptr;
  }
  switch (answer) {
    case IDOK:
      return platform::kIdOk;
    case IDYES:
      return platform::kIdYes;
    case IDNO:
      return platform::kIdNo;
    default:
      return platform::kIdCancel;
  }
}

}  // namespace qel::win32
