#include "frontends/win32/message_box.h"

#include <windows.h>

#include <string>
#include <vector>

#include "frontends/win32/wide.h"

namespace qel::win32 {
namespace {

HHOOK renamingHook = nullptr;

struct ButtonLabel {
  int id;
  std::wstring text;
};
std::vector<ButtonLabel> pendingLabels;

// Renames the buttons of the box about to show; the box is the first window activated.
LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    for (const ButtonLabel& label : pendingLabels) {
      ::SetDlgItemTextW(box, label.id, label.text.c_str());
    }
    ::UnhookWindowsHookEx(renamingHook);
    renamingHook = nullptr;
    return 0;
  }
  return ::CallNextHookEx(renamingHook, code, wParam, lParam);
}

// MessageBoxW with its buttons renamed.
int showRenamed(platform::WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                UINT type, std::vector<ButtonLabel> labels) {
  pendingLabels = std::move(labels);
  renamingHook = ::SetWindowsHookExW(WH_CBT, renameButtons, nullptr, ::GetCurrentThreadId());
  const int answer =
      ::MessageBoxW(toHwnd(owner), toWide(text).c_str(), toWide(caption).c_str(), type);
  if (renamingHook != nullptr) {
    ::UnhookWindowsHookEx(renamingHook);
    renamingHook = nullptr;
  }
  return answer;
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
  std::vector<ButtonLabel> labels;
  if (buttons == platform::MessageBoxButtons::SaveDiscardCancel) {
    labels = {{IDYES, L"保存"}, {IDNO, L"保存しない"}, {IDCANCEL, L"キャンセル"}};
  }
  const int answer = showRenamed(owner, text, caption, typeOf(buttons), std::move(labels));
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

int showChoiceBox(platform::WindowHandle owner, std::u16string_view text,
                  std::u16string_view caption, std::span<const std::u16string_view> buttons) {
  // Yes, No and Cancel, or OK and Cancel, renamed; Cancel is the one of Escape.
  const bool three = buttons.size() >= 3;
  const int ids[] = {three ? IDYES : IDOK, three ? IDNO : IDCANCEL, IDCANCEL};
  std::vector<ButtonLabel> labels;
  for (std::size_t i = 0; i < buttons.size() && i < 3; ++i) {
    labels.push_back({ids[i], toWide(buttons[i])});
  }
  const int answer =
      showRenamed(owner, text, caption, three ? MB_YESNOCANCEL : MB_OKCANCEL, std::move(labels));
  for (std::size_t i = 0; i < buttons.size() && i < 3; ++i) {
    if (ids[i] == answer) return static_cast<int>(i);
  }
  return static_cast<int>(buttons.size()) - 1;
}

}  // namespace qel::win32
