#include "frontends/win32/preview_pane.h"

#include <windowsx.h>

#include <optional>

#include "frontends/win32/gdi_sinks.h"
#include "frontends/win32/window_dpi.h"

namespace qel::win32 {
namespace {

// Where the handler places the pane in the client area as it is now: laid out at 96 DPI,
// drawn at the window's.
struct PanePlace {
  RECT rect;
  UINT dpi;
};

std::optional<PanePlace> panePlace(HWND window, platform::MainWindowHandler& handler) {
  RECT client{};
  ::GetClientRect(window, &client);
  const UINT dpi = ::GetDpiForWindow(window);
  const platform::ClientArea area = handler.placePreviewPane(unscaledForDpi(client.right, dpi),
                                                             unscaledForDpi(client.bottom, dpi));
  if (area.width <= 0 || area.height <= 0) return std::nullopt;
  return PanePlace{
      {scaledForDpi(area.x, dpi), scaledForDpi(area.y, dpi), scaledForDpi(area.x + area.width, dpi),
       scaledForDpi(area.y + area.height, dpi)},
      dpi};
}

std::optional<RECT> paneRect(HWND window, platform::MainWindowHandler& handler) {
  const std::optional<PanePlace> place = panePlace(window, handler);
  if (!place) return std::nullopt;
  return place->rect;
}

HBRUSH windowBrush() {
  return ::GetSysColorBrush(COLOR_WINDOW);
}

// Selects an object into a context for the life of the scope.
class Selection {
 public:
  Selection(HDC context, HGDIOBJ object)
      : context_(context), old_(::SelectObject(context, object)) {}
  ~Selection() { ::SelectObject(context_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC context_;
  HGDIOBJ old_;
};

bool send(HWND window, platform::MainWindowHandler& handler, platform::PaneMouse::Kind kind,
          POINT client, int wheelDelta = 0,
          platform::PaneMouse::Button button = platform::PaneMouse::Button::Left) {
  const std::optional<PanePlace> pane = panePlace(window, handler);
  if (!pane) return false;
  const platform::PaneMouse mouse{kind, button,
                                  unscaledForDpi(client.x - pane->rect.left, pane->dpi),
                                  unscaledForDpi(client.y - pane->rect.top, pane->dpi), wheelDelta};
  // Only the pane: the status lines stay as they are.
  if (handler.onPaneMouse(window, mouse)) ::InvalidateRect(window, &pane->rect, FALSE);
  return true;
}

POINT clientPoint(LPARAM lParam) {
  return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

bool overPane(HWND window, platform::MainWindowHandler& handler, POINT client) {
  const std::optional<RECT> pane = paneRect(window, handler);
  return pane && ::PtInRect(&*pane, client);
}

constexpr WPARAM kDragButtons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

// One drag at a time: a button pressed during another's drag is left alone.
bool startDrag(HWND window, WPARAM wParam, LPARAM lParam, platform::MainWindowHandler& handler,
               platform::PaneMouse::Button button, WPARAM flag) {
  if ((wParam & kDragButtons) != flag || !overPane(window, handler, clientPoint(lParam))) {
    return false;
  }
  ::SetCapture(window);
  return send(window, handler, platform::PaneMouse::Kind::Press, clientPoint(lParam), 0, button);
}

}  // namespace

void eraseAroundPane(HWND window, HDC context, platform::MainWindowHandler& handler) {
  RECT client{};
  ::GetClientRect(window, &client);
  const int saved = ::SaveDC(context);
  if (const std::optional<RECT> pane = paneRect(window, handler)) {
    ::ExcludeClipRect(context, pane->left, pane->top, pane->right, pane->bottom);
  }
  ::FillRect(context, &client, windowBrush());
  ::RestoreDC(context, saved);
}

void paintPane(HWND window, HDC context, platform::MainWindowHandler& handler) {
  const std::optional<PanePlace> pane = panePlace(window, handler);
  if (!pane || !::RectVisible(context, &pane->rect)) return;
  const RECT& shown = pane->rect;
  const int width = shown.right - shown.left;
  const int height = shown.bottom - shown.top;
  // Drawn whole off the screen first, so that a drag shows no half-drawn frame.
  HDC buffer = ::CreateCompatibleDC(context);
  HBITMAP bitmap = ::CreateCompatibleBitmap(context, width, height);
  if (buffer != nullptr && bitmap != nullptr) {
    const Selection picture(buffer, bitmap);
    // The font and colours the status view draws with, the font at the window's DPI.
    const Selection font(buffer, ::GetCurrentObject(context, OBJ_FONT));
    const ScaledFont windowFont(buffer, pane->dpi);
    ::SetTextColor(buffer, ::GetTextColor(context));
    // Texts stand on the pane's pictures (its buttons) without a box of their own.
    ::SetBkMode(buffer, TRANSPARENT);
    const RECT whole{0, 0, width, height};
    ::FillRect(buffer, &whole, windowBrush());
    GdiPaneSink sink(buffer, pane->dpi);
    handler.onPaintPane(window, sink);
    ::BitBlt(context, shown.left, shown.top, width, height, buffer, 0, 0, SRCCOPY);
  }
  if (bitmap != nullptr) ::DeleteObject(bitmap);
  if (buffer != nullptr) ::DeleteDC(buffer);
}

bool handlePaneMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     platform::MainWindowHandler& handler) {
  using Kind = platform::PaneMouse::Kind;
  const bool dragging = ::GetCapture() == window;
  switch (message) {
    case WM_LBUTTONDOWN:
      return startDrag(window, wParam, lParam, handler, platform::PaneMouse::Button::Left,
                       MK_LBUTTON);
    case WM_RBUTTONDOWN:
      return startDrag(window, wParam, lParam, handler, platform::PaneMouse::Button::Right,
                       MK_RBUTTON);
    case WM_MBUTTONDOWN:
      return startDrag(window, wParam, lParam, handler, platform::PaneMouse::Button::Middle,
                       MK_MBUTTON);
    case WM_MOUSEMOVE:
      return dragging && send(window, handler, Kind::Move, clientPoint(lParam));
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (!dragging) return false;
      if ((wParam & kDragButtons) == 0) ::ReleaseCapture();  // which ends the drag below
      return true;
    case WM_CAPTURECHANGED: {
      // The release, or another window took the mouse: either way the drag ends here.
      if (reinterpret_cast<HWND>(lParam) == window) return false;
      POINT at{};
      ::GetCursorPos(&at);
      ::ScreenToClient(window, &at);
      return send(window, handler, Kind::Release, at);
    }
    case WM_MOUSEWHEEL: {
      // The wheel's position is on the screen.
      POINT at = clientPoint(lParam);
      ::ScreenToClient(window, &at);
      if (!overPane(window, handler, at)) return false;
      return send(window, handler, Kind::Wheel, at, GET_WHEEL_DELTA_WPARAM(wParam));
    }
    default:
      return false;
  }
}

bool handlePaneKey(HWND window, WPARAM virtualKey, platform::MainWindowHandler& handler) {
  const bool modified =
      ::GetKeyState(VK_SHIFT) < 0 || ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0;
  if (modified || !handler.onPaneKey(window, static_cast<int>(virtualKey))) return false;
  if (const std::optional<RECT> pane = paneRect(window, handler)) {
    ::InvalidateRect(window, &*pane, FALSE);
  }
  return true;
}

}  // namespace qel::win32
