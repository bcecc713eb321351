#include "frontends/win32/message_box.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frontends/win32/gdi_sinks.h"
#include "frontends/win32/wide.h"
#include "preview/bgra_over.h"
#include "resources/shell_texts.h"

namespace qel::win32 {
namespace {

constexpr int kPictureGap = 12;

struct BoxPicture {
  HBITMAP bitmap = nullptr;
  int width = 0;
  int height = 0;
};
BoxPicture boxPicture;
HHOOK pictureHook = nullptr;

RECT childRect(HWND box, HWND child) {
  RECT rect{};
  ::GetWindowRect(child, &rect);
  ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Makes room for the picture between the text and the buttons and shows it there.
void addPicture(HWND box) {
  const HWND ok = ::GetDlgItem(box, IDOK);
  if (ok == nullptr) return;
  RECT client{};
  ::GetClientRect(box, &client);
  const int grow = boxPicture.height + kPictureGap;
  const int widen =
      std::max(0, boxPicture.width + 2 * kPictureGap - static_cast<int>(client.right));
  RECT frame{};
  ::GetWindowRect(box, &frame);
  ::SetWindowPos(box, nullptr, frame.left - widen / 2, frame.top - grow / 2,
                 frame.right - frame.left + widen, frame.bottom - frame.top + grow,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  const int top = childRect(box, ok).top;
  for (const int id : {IDOK, IDCANCEL}) {
    if (const HWND button = ::GetDlgItem(box, id)) {
      const RECT rect = childRect(box, button);
      ::SetWindowPos(button, nullptr, rect.left + widen / 2, rect.top + grow, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  ::SetDlgItemTextW(box, IDCANCEL, toWide(resources::kCancelButton).c_str());
  const HWND picture = ::CreateWindowExW(
      0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP,
      (client.right + widen - boxPicture.width) / 2, top, boxPicture.width, boxPicture.height, box,
      nullptr, reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(box, GWLP_HINSTANCE)), nullptr);
  if (picture != nullptr) {
    ::SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(boxPicture.bitmap));
  }
}

constexpr UINT kAddPicture = WM_APP + 1;
WNDPROC boxProcedure = nullptr;

LRESULT CALLBACK pictureBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kAddPicture) return ::CallWindowProcW(boxProcedure, box, message, wParam, lParam);
  ::SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(boxProcedure));
  addPicture(box);
  return 0;
}

// The box is first activated before wine has laid out its buttons, after Windows has: the
// picture is added once the box runs its loop, before its first paint.
LRESULT CALLBACK addPictureOnceLaidOut(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HCBT_ACTIVATE) return ::CallNextHookEx(pictureHook, code, wParam, lParam);
  ::UnhookWindowsHookEx(pictureHook);
  pictureHook = nullptr;
  const HWND box = reinterpret_cast<HWND>(wParam);
  boxProcedure = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pictureBoxProcedure)));
  ::PostMessageW(box, kAddPicture, 0, 0);
  return 0;
}

// The picture over the box's own colour, as a bitmap the device draws unchanged.
HBITMAP bitmapOf(const platform::RgbaPixels& picture) {
  const COLORREF face = ::GetSysColor(COLOR_3DFACE);
  const std::vector<std::uint8_t> bgra =
      bgraOver(picture.bytes, {GetRValue(face), GetGValue(face), GetBValue(face), 255});
  const BITMAPINFO info = bgraBitmapInfo(picture.width, picture.height);
  HDC screen = ::GetDC(nullptr);
  HBITMAP bitmap =
      ::CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, bgra.data(), &info, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace

int showMessageBox(platform::WindowHandle owner, std::u16string_view text,
                   std::u16string_view caption, platform::MessageBoxButtons buttons) {
  const UINT type = buttons == platform::MessageBoxButtons::OkCancel ? MB_OKCANCEL : MB_OK;
  const int answer =
      ::MessageBoxW(toHwnd(owner), toWide(text).c_str(), toWide(caption).c_str(), type);
  return answer == IDOK ? platform::kIdOk : platform::kIdCancel;
}

int showPictureBox(platform::WindowHandle owner, std::u16string_view text,
                   std::u16string_view caption, const platform::RgbaPixels& picture) {
  const auto pixels = static_cast<std::size_t>(picture.width) * picture.height;
  const bool drawable =
      picture.width > 0 && picture.height > 0 && picture.bytes.size() >= pixels * 4;
  boxPicture = {drawable ? bitmapOf(picture) : nullptr, picture.width, picture.height};
  if (boxPicture.bitmap != nullptr) {
    pictureHook =
        ::SetWindowsHookExW(WH_CBT, addPictureOnceLaidOut, nullptr, ::GetCurrentThreadId());
  }
  const int answer =
      ::MessageBoxW(toHwnd(owner), toWide(text).c_str(), toWide(caption).c_str(), MB_OKCANCEL);
  if (pictureHook != nullptr) {
    ::UnhookWindowsHookEx(pictureHook);
    pictureHook = nullptr;
  }
  if (boxPicture.bitmap != nullptr) ::DeleteObject(boxPicture.bitmap);
  boxPicture = {};
  return answer == IDOK ? platform::kIdOk : platform::kIdCancel;
}

}  // namespace qel::win32
