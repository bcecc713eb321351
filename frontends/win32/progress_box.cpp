#include "frontends/win32/progress_box.h"

#include <commctrl.h>

#include <chrono>
#include <vector>

#include "frontends/win32/dialog_template.h"
#include "platform/background_work.h"
#include "resources/shell_texts.h"

namespace qel::win32 {
namespace {

constexpr int kBarPlace = 100;  // a static whose place the progress bar takes
constexpr int kBar = 101;

// How long the UI thread waits for messages between two looks at the work.
constexpr DWORD kPollMilliseconds = 20;

INT_PTR CALLBACK boxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(box, DWLP_USER, lParam);
    const HWND place = ::GetDlgItem(box, kBarPlace);
    RECT rect{};
    ::GetWindowRect(place, &rect);
    ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
    const HWND bar = ::CreateWindowExW(
        0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, box,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBar)),
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(box, GWLP_HINSTANCE)), nullptr);
    ::SendMessageW(bar, PBM_SETRANGE32, 0, 1000);
    ::DestroyWindow(place);
    return TRUE;
  }
  // キャンセル, Escape and the close box: the box stays until the work has stopped.
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    auto* work = reinterpret_cast<platform::BackgroundWork*>(::GetWindowLongPtrW(box, DWLP_USER));
    if (work != nullptr) work->cancel();
    ::EnableWindow(::GetDlgItem(box, IDCANCEL), FALSE);
    return TRUE;
  }
  return FALSE;
}

HWND createBox(HINSTANCE instance, HWND owner, std::u16string_view caption,
               std::u16string_view text, platform::BackgroundWork& work) {
  using resources::ControlKind;
  const resources::ControlTemplate controls[] = {
      {-1, ControlKind::Static, text, 7, 7, 186, 18, resources::kStaticNoPrefix},
      {kBarPlace, ControlKind::Static, u"", 7, 28, 186, 10, 0},
      {IDCANCEL, ControlKind::DefaultPushButton, resources::kCancelButton, 133, 44, 60, 14,
       resources::kTabStop},
  };
  const resources::DialogTemplate dialog{0,    caption,         0, 0,       200, 65,
                                         true, u"MS Shell Dlg", 8, controls};
  const std::vector<WORD> layout = buildDialogTemplate(dialog);
  const HWND box =
      ::CreateDialogIndirectParamW(instance, reinterpret_cast<LPCDLGTEMPLATEW>(layout.data()),
                                   owner, boxProcedure, reinterpret_cast<LPARAM>(&work));
  if (box != nullptr) ::ShowWindow(box, SW_SHOW);
  return box;
}

// Dispatches what has come, the box's keys through the box.
void pumpMessages(HWND box) {
  MSG message{};
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // For the program's own loop, once the work is done.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (box != nullptr && ::IsDialogMessageW(box, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

}  // namespace

platform::WorkOutcome runWithProgressBox(HINSTANCE instance, HWND owner,
                                         std::u16string_view caption, std::u16string_view text,
                                         const platform::LongWork& work) {
  // As a modal dialog does: the owner takes no input until the work is done.
  const bool reenable = owner != nullptr && !::EnableWindow(owner, FALSE);
  HWND box = nullptr;
  platform::BackgroundWork running(work);
  while (!running.ended()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMilliseconds, QS_ALLINPUT);
    if (box == nullptr && running.boxDue())
      box = createBox(instance, owner, caption, text, running);
    if (box != nullptr) {
      ::SendDlgItemMessageW(box, kBar, PBM_SETPOS, static_cast<WPARAM>(running.permille()), 0);
    }
    pumpMessages(box);
  }
  // The owner first, so that it is activated again when the box goes.
  if (reenable) ::EnableWindow(owner, TRUE);
  if (box != nullptr) ::DestroyWindow(box);
  return running.finish();
}

}  // namespace qel::win32
