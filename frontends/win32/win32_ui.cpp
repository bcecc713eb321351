#include "frontends/win32/win32_ui.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frontends/win32/choice_box.h"
#include "frontends/win32/gdi_sinks.h"
#include "frontends/win32/menu.h"
#include "frontends/win32/message_box.h"
#include "frontends/win32/modal_dialog.h"
#include "frontends/win32/preview_pane.h"
#include "frontends/win32/progress_box.h"
#include "frontends/win32/wide.h"
#include "frontends/win32/window_dpi.h"
#include "resources/resources.h"

namespace qel::win32 {
namespace {

// The longest path Windows has: a chosen path always arrives whole, and the program judges
// its length (a smaller buffer made a longer choice fail like Cancel).
constexpr std::size_t kPathBufferUnits = 32767;

constexpr UINT_PTR kHandlerTimer = 1;

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* handler =
      reinterpret_cast<platform::MainWindowHandler*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (handler == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      if (handler->onCommand(window, LOWORD(wParam))) return 0;
      break;
    case WM_ERASEBKGND:
      eraseAroundPane(window, reinterpret_cast<HDC>(wParam), *handler);
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC context = ::BeginPaint(window, &paint);
      {
        const UINT dpi = ::GetDpiForWindow(window);
        const ScaledFont font(context, dpi);
        RECT client{};
        ::GetClientRect(window, &client);
        GdiTextSink sink(context, dpi, client.right);
        handler->onPaint(window, sink);
      }
      paintPane(window, context, *handler);
      ::EndPaint(window, &paint);
      return 0;
    }
    case WM_KEYDOWN:
      if (handlePaneKey(window, wParam, *handler)) return 0;
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_MOUSEWHEEL:
      if (handlePaneMouse(window, message, wParam, lParam, *handler)) return 0;
      break;
    case WM_DPICHANGED: {
      // Moved to a monitor of another DPI: the size the system proposes, drawn anew.
      const auto* proposed = reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(window, nullptr, proposed->left, proposed->top,
                     proposed->right - proposed->left, proposed->bottom - proposed->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      ::InvalidateRect(window, nullptr, TRUE);
      return 0;
    }
    case WM_TIMER:
      if (wParam == kHandlerTimer) {
        handler->onTimer(window);
        return 0;
      }
      break;
    case WM_DROPFILES: {
      const auto drop = reinterpret_cast<HDROP>(wParam);
      POINT at{};
      ::DragQueryPoint(drop, &at);
      std::vector<std::u16string> paths;
      const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT i = 0; i < count; ++i) {
        std::wstring path(::DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(::DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(fromWide(path));
      }
      ::DragFinish(drop);
      // The pane is laid out at 96 DPI.
      const UINT dpi = ::GetDpiForWindow(window);
      handler->onDropFiles(window, unscaledForDpi(at.x, dpi), unscaledForDpi(at.y, dpi), paths);
      return 0;
    }
    case WM_CLOSE:
      if (!handler->onCloseRequest(window)) return 0;
      break;  // the default handling destroys the window
    case WM_QUERYENDSESSION:
      return handler->onCloseRequest(window) ? TRUE : FALSE;
    case WM_DESTROY:
      handler->onDestroy(window);
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

std::optional<std::u16string> runPicker(const platform::FilePickerRequest& request,
                                        BOOL(WINAPI* picker)(LPOPENFILENAMEW)) {
  // One filter pair, each string terminated, the list closed by an empty string.
  const std::wstring filter =
      toWide(request.filterDescription) + L'\0' + toWide(request.filterPattern) + L'\0' + L'\0';
  std::wstring path(kPathBufferUnits, L'\0');
  std::copy_n(request.path.begin(), std::min(request.path.size(), kPathBufferUnits - 1),
              path.begin());
  const std::wstring folder = toWide(request.initialFolder);
  const std::wstring title = toWide(request.title);
  const std::wstring extension = toWide(request.defaultExtension);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = toHwnd(request.owner);
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(kPathBufferUnits);
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = request.flags;
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  if (!picker(&dialog)) return std::nullopt;
  return fromWide(std::wstring_view(path.c_str()));
}

}  // namespace

Win32Ui::Win32Ui(HINSTANCE instance, int showCommand)
    : instance_(instance), showCommand_(showCommand) {}

Win32Ui::~Win32Ui() {
  if (accelerators_ != nullptr) ::DestroyAcceleratorTable(accelerators_);
}

int Win32Ui::askChoice(platform::WindowHandle owner, std::u16string_view text,
                       std::u16string_view caption, std::span<const std::u16string_view> buttons) {
  return showChoiceBox(owner, text, caption, buttons);
}

int Win32Ui::messageBox(platform::WindowHandle owner, std::u16string_view text,
                        std::u16string_view caption, platform::MessageBoxButtons buttons) {
  return showMessageBox(owner, text, caption, buttons);
}

int Win32Ui::pictureBox(platform::WindowHandle owner, std::u16string_view text,
                        std::u16string_view caption, const platform::RgbaPixels& picture) {
  return showPictureBox(owner, text, caption, picture);
}

std::optional<std::u16string> Win32Ui::pickOpenFile(const platform::FilePickerRequest& request) {
  return runPicker(request, ::GetOpenFileNameW);
}

std::optional<std::u16string> Win32Ui::pickSaveFile(const platform::FilePickerRequest& request) {
  return runPicker(request, ::GetSaveFileNameW);
}

int Win32Ui::runModalDialog(platform::WindowHandle owner, int templateId,
                            platform::DialogProcedure& procedure) {
  const resources::DialogTemplate* dialog = resources::findDialog(templateId);
  if (dialog == nullptr) return -1;
  return runTemplateDialog(instance_, toHwnd(owner), *dialog, procedure);
}

platform::WorkOutcome Win32Ui::runWithProgress(platform::WindowHandle owner,
                                               std::u16string_view caption,
                                               std::u16string_view text,
                                               const platform::LongWork& work) {
  return runWithProgressBox(instance_, toHwnd(owner), caption, text, work);
}

platform::WindowHandle Win32Ui::createMainWindow(const platform::MainWindowDescription& description,
                                                 platform::MainWindowHandler& handler) {
  const std::wstring className = toWide(description.className);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = mainWindowProcedure;
  windowClass.hInstance = instance_;
  windowClass.hIcon = ::LoadIconW(instance_, MAKEINTRESOURCEW(description.largeIcon));
  windowClass.hIconSm = ::LoadIconW(instance_, MAKEINTRESOURCEW(description.smallIcon));
  windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = className.c_str();
  if (::RegisterClassExW(&windowClass) == 0) return nullptr;

  // The first size holds the status view and the pane; the position is the system's.
  const platform::ClientArea client = handler.firstClientArea();
  // Laid out at 96 DPI, opened at the system's.
  const UINT dpi = ::GetDpiForSystem();
  RECT frame{0, 0, scaledForDpi(client.width, dpi), scaledForDpi(client.height, dpi)};
  ::AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0);
  // No larger than the desktop: at a high DPI the first size can exceed a small screen.
  RECT desktop{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
  const int width = std::min<int>(frame.right - frame.left, desktop.right - desktop.left);
  const int height = std::min<int>(frame.bottom - frame.top, desktop.bottom - desktop.top);
  HWND window = ::CreateWindowExW(0, className.c_str(), toWide(description.title).c_str(),
                                  WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, width, height, nullptr,
                                  createMenuBar(description.menu), instance_, &handler);
  if (window == nullptr) return nullptr;
  accelerators_ = createAcceleratorTable(description.accelerators);
  mainWindow_ = window;
  ::DragAcceptFiles(window, TRUE);
  ::ShowWindow(window, showCommand_);
  ::UpdateWindow(window);
  return window;
}

void Win32Ui::repaint(platform::WindowHandle window) {
  ::InvalidateRect(toHwnd(window), nullptr, TRUE);
  ::UpdateWindow(toHwnd(window));
}

void Win32Ui::destroyWindow(platform::WindowHandle window) {
  if (toHwnd(window) == mainWindow_) mainWindow_ = nullptr;
  ::DestroyWindow(toHwnd(window));
}

void Win32Ui::setMenuList(platform::WindowHandle window, int beforeCommand,
                          std::span<const platform::MenuListItem> items) {
  HMENU bar = ::GetMenu(toHwnd(window));
  for (int i = 0; bar != nullptr && i < ::GetMenuItemCount(bar); ++i) {
    HMENU dropDown = ::GetSubMenu(bar, i);
    int before = -1;
    for (int j = 0; dropDown != nullptr && j < ::GetMenuItemCount(dropDown); ++j) {
      if (::GetMenuItemID(dropDown, j) == static_cast<UINT>(beforeCommand)) before = j;
    }
    if (before < 0) continue;
    for (; listedCount_ > 0; --listedCount_) ::DeleteMenu(dropDown, --before, MF_BYPOSITION);
    for (const platform::MenuListItem& item : items) {
      ::InsertMenuW(dropDown, static_cast<UINT>(before++), MF_BYPOSITION | MF_STRING,
                    static_cast<UINT_PTR>(item.command), toWide(item.caption).c_str());
      ++listedCount_;
    }
    if (!items.empty()) {
      ::InsertMenuW(dropDown, static_cast<UINT>(before), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
      ++listedCount_;
    }
    ::DrawMenuBar(toHwnd(window));
    return;
  }
}

void Win32Ui::startTimer(platform::WindowHandle window, int milliseconds) {
  ::SetTimer(toHwnd(window), kHandlerTimer, static_cast<UINT>(milliseconds), nullptr);
}

bool Win32Ui::isActive(platform::WindowHandle window) {
  return ::GetForegroundWindow() == toHwnd(window) && ::IsWindowEnabled(toHwnd(window));
}

void Win32Ui::postQuit(int exitCode) {
  ::PostQuitMessage(exitCode);
}

int Win32Ui::runMessageLoop() {
  MSG message{};
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (mainWindow_ != nullptr && accelerators_ != nullptr &&
        ::TranslateAcceleratorW(mainWindow_, accelerators_, &message)) {
      continue;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

std::u16string Win32Ui::programFolder() {
  std::wstring path(kPathBufferUnits, L'\0');
  const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return fromWide(std::wstring_view(path).substr(0, path.find_last_of(L'\\') + 1));
}

bool Win32Ui::openInBrowser(std::u16string_view path) {
  const auto started = reinterpret_cast<INT_PTR>(
      ::ShellExecuteW(mainWindow_, L"open", toWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return started > 32;  // smaller values are the failures' codes
}

}  // namespace qel::win32
