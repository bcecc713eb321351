#include "frontends/win32/preview_pane.h"

#include <windowsx.h>

#include <optional>

#include "frontends/win32/gdi_sinks.h"

namespace qel::win32 {
namespace {

std::optional<RECT> paneRect(const platform::MainWindowHandler& handler) {
  const platform::ClientArea area = handler.previewPaneArea();
  if (area.width <= 0 || area.height <= 0) return std::nullopt;
  return RECT{area.x, area.y, area.x + area.width, area.y + area.height};
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
          POINT client, int wheelDelta = 0) {
  const std::optional<RECT> pane = paneRect(handler);
  if (!pane) return false;
  const platform::PaneMouse mouse{kind, client.x - pane->left, client.y - pane->top, wheelDelta};
  // Only the pane: the status lines stay as they are.
  if (handler.onPaneMouse(window, mouse)) ::InvalidateRect(window, &*pane, FALSE);
  return true;
}

POINT clientPoint(LPARAM lParam) {
  return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

bool overPane(const platform::MainWindowHandler& handler, POINT client) {
  const std::optional<RECT> pane = paneRect(handler);
  return pane && ::PtInRect(&*pane, client);
}

}  // namespace

void eraseAroundPane(HWND window, HDC context, platform::MainWindowHandler& handler) {
  RECT client{};
  ::GetClientRect(window, &client);
  const int saved = ::SaveDC(context);
  if (const std::optional<RECT> pane = paneRect(handler)) {
    ::ExcludeClipRect(context, pane->left, pane->top, pane->right, pane->bottom);
  }
  ::FillRect(context, &client, windowBrush());
  ::RestoreDC(context, saved);
}

void paintPane(HWND window, HDC context, platform::MainWindowHandler& handler) {
  const std::optional<RECT> pane = paneRect(handler);
  if (!pane || !::RectVisible(context, &*pane)) return;
  const int width = pane->right - pane->left;
  const int height = pane->bottom - pane->top;
  HDC buffer = ::CreateCompatibleDC(context);
  HBITMAP bitmap = ::CreateCompatibleBitmap(context, width, height);
  if (buffer != nullptr && bitmap != nullptr) {
    const Selection picture(buffer, bitmap);
    // The font and colours the status view draws with.
    const Selection font(buffer, ::GetCurrentObject(context, OBJ_FONT));
    ::SetTextColor(buffer, ::GetTextColor(context));
    ::SetBkColor(buffer, ::GetSysColor(COLOR_WINDOW));
    const RECT whole{0, 0, width, height};
    ::FillRect(buffer, &whole, windowBrush());
    GdiPaneSink sink(buffer);
    handler.onPaintPane(window, sink);
    ::BitBlt(context, pane->left, pane->top, width, height, buffer, 0, 0, SRCCOPY);
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
      if (!overPane(handler, clientPoint(lParam))) return false;
      ::SetCapture(window);
      return send(window, handler, Kind::Press, clientPoint(lParam));
    case WM_MOUSEMOVE:
      return dragging && send(window, handler, Kind::Move, clientPoint(lParam));
    case WM_LBUTTONUP:
      if (!dragging) return false;
      ::ReleaseCapture();  // which ends the drag below
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
      if (!overPane(handler, at)) return false;
      return send(window, handler, Kind::Wheel, at, GET_WHEEL_DELTA_WPARAM(wParam));
    }
    default:
      return false;
  }
}

}  // namespace qel::win32
