#include "frontends/web/web_ui.h"

#include <algorithm>
#include <array>

#include "app/keyboard_accelerators.h"
#include "base/path_parts.h"
#include "base/utf.h"
#include "frontends/web/page_progress.h"
#include "frontends/web/web_dialog.h"
#include "model/obj_reader.h"
#include "platform/web/memory_files.h"
#include "resources/box_texts.h"
#include "resources/resources.h"

namespace qel::web {
namespace {

// The page's window is the only one; its handle is any address of ours.
const int kWindowTag = 0;
constexpr platform::WindowHandle kWindow = &kWindowTag;

class CanvasSink : public platform::PaneSink {
 public:
  CanvasSink(int x, int y) : x_(x), y_(y) {}
  void textOut(int x, int y, std::u16string_view text) override {
    pageDrawText(x_ + x, y_ + y, text.data(), text.size());
  }
  void drawPicture(int x, int y, const platform::RgbaPixels& picture) override {
    pageDrawPicture(x_ + x, y_ + y, picture.width, picture.height, picture.bytes.data());
  }

 private:
  int x_;
  int y_;
};

int runBox(std::u16string_view caption, std::u16string_view text,
           std::span<const std::u16string_view> buttons) {
  pageOpenBox(caption.data(), caption.size(), text.data(), text.size());
  for (const std::u16string_view label : buttons) pageAddBoxButton(label.data(), label.size());
  return pageRunBox();
}

constexpr std::array<std::u16string_view, 2> kOkCancel = {resources::kOkButtonText,
                                                          resources::kCancelButtonText};

int okOrCancel(int index) {
  return index == 0 ? platform::kIdOk : platform::kIdCancel;
}

// Whether name matches one of the patterns of a filter such as "*.cnt;*.q5c".
bool matchesFilter(std::u16string_view name, std::u16string_view patterns) {
  while (!patterns.empty()) {
    const std::size_t end = std::min(patterns.find(u';'), patterns.size());
    std::u16string_view pattern = patterns.substr(0, end);
    patterns.remove_prefix(std::min(end + 1, patterns.size()));
    if (pattern == u"*.*" || pattern == u"*") return true;
    if (pattern.starts_with(u"*")) pattern.remove_prefix(1);
    if (name.size() >= pattern.size() &&
        equalIgnoringCase(name.substr(name.size() - pattern.size()), pattern))
      return true;
  }
  return false;
}

}  // namespace

class WebUi::Modal {
 public:
  explicit Modal(WebUi& ui) : ui_(ui) { ++ui_.modals_; }
  ~Modal() { --ui_.modals_; }
  Modal(const Modal&) = delete;
  Modal& operator=(const Modal&) = delete;

 private:
  WebUi& ui_;
};

WebUi::WebUi() {
  platform::memoryFiles().onWritten(
      [](std::u16string_view path, std::span<const std::uint8_t> bytes) {
        const std::u16string_view name = path.substr(folderOf(path).size());
        pageDownload(name.data(), name.size(), bytes.data(), bytes.size());
      });
}

int WebUi::messageBox(platform::WindowHandle, std::u16string_view text, std::u16string_view caption,
                      platform::MessageBoxButtons buttons) {
  const Modal modal(*this);
  const std::size_t count = buttons == platform::MessageBoxButtons::Ok ? 1 : 2;
  return okOrCancel(runBox(caption, text, std::span(kOkCancel).first(count)));
}

int WebUi::askChoice(platform::WindowHandle, std::u16string_view text, std::u16string_view caption,
                     std::span<const std::u16string_view> buttons) {
  const Modal modal(*this);
  return runBox(caption, text, buttons);
}

int WebUi::pictureBox(platform::WindowHandle, std::u16string_view text, std::u16string_view caption,
                      const platform::RgbaPixels& picture) {
  const Modal modal(*this);
  pageOpenBox(caption.data(), caption.size(), text.data(), text.size());
  pageAddBoxPicture(picture.width, picture.height, picture.bytes.data());
  for (const std::u16string_view label : kOkCancel) pageAddBoxButton(label.data(), label.size());
  return okOrCancel(pageRunBox());
}

// The author picks the file with the files beside it that it names (an OBJ file with its
// MTL files and images); all of them come in under one folder, and the first that the
// filter takes is the one picked.
std::optional<std::u16string> WebUi::pickOpenFile(const platform::FilePickerRequest& request) {
  const Modal modal(*this);
  if (pagePickFiles(nullptr, 0) == 0) return std::nullopt;
  const std::vector<std::u16string> paths = takeIncomingFiles();
  for (const std::u16string& path : paths) {
    if (matchesFilter(path, request.filterPattern)) return path;
  }
  if (paths.empty()) return std::nullopt;
  return paths.front();
}

// The file is made in memory under the name the author gives, and downloaded once written.
std::optional<std::u16string> WebUi::pickSaveFile(const platform::FilePickerRequest& request) {
  const Modal modal(*this);
  const std::u16string_view proposed =
      std::u16string_view(request.path).substr(folderOf(request.path).size());
  pageOpenBox(request.title.data(), request.title.size(), nullptr, 0);
  pageAddBoxField(proposed.data(), proposed.size());
  for (const std::u16string_view label : kOkCancel) pageAddBoxButton(label.data(), label.size());
  if (pageRunBox() != 0) return std::nullopt;
  std::u16string name = fetchText(pageBoxFieldText);
  name.erase(0, folderOf(name).size());
  if (name.empty()) return std::nullopt;
  if (splitPath(name).extension.empty() && !request.defaultExtension.empty())
    name += u"." + request.defaultExtension;
  return u"/" + name;
}

platform::WorkOutcome WebUi::runWithProgress(platform::WindowHandle, std::u16string_view caption,
                                             std::u16string_view text,
                                             const platform::LongWork& work) {
  const Modal modal(*this);
  return runWithPageProgress(caption, text, work);
}

int WebUi::runModalDialog(platform::WindowHandle, int templateId,
                          platform::DialogProcedure& procedure) {
  const Modal modal(*this);
  return runDialog(templateId, procedure);
}

platform::WindowHandle WebUi::createMainWindow(const platform::MainWindowDescription& description,
                                               platform::MainWindowHandler& handler) {
  handler_ = &handler;
  accelerators_ = description.accelerators;
  const platform::ClientArea first = handler.firstClientArea();
  pageOpenWindow(description.title.data(), description.title.size(), first.width, first.height);
  for (const resources::Menu& menu : resources::findMenu(description.menu)) {
    pageAddMenu(menu.caption.data(), menu.caption.size());
    for (const resources::MenuItem& item : menu.items)
      pageAddMenuItem(item.command, item.caption.data(), item.caption.size());
  }
  return kWindow;
}

void WebUi::repaint(platform::WindowHandle window) {
  if (handler_ == nullptr) return;
  pageClearCanvas();
  CanvasSink status(0, 0);
  handler_->onPaint(window, status);
  if (pane_.width > 0 && pane_.height > 0) {
    CanvasSink pane(pane_.x, pane_.y);
    handler_->onPaintPane(window, pane);
  }
}

void WebUi::destroyWindow(platform::WindowHandle window) {
  if (handler_ == nullptr) return;
  handler_->onDestroy(window);
  handler_ = nullptr;
  pageQuit();
}

void WebUi::setMenuList(platform::WindowHandle, int beforeCommand,
                        std::span<const platform::MenuListItem> items) {
  pageBeginMenuList(beforeCommand);
  for (const platform::MenuListItem& item : items)
    pageAddMenuListItem(item.command, item.caption.data(), item.caption.size());
}

void WebUi::startTimer(platform::WindowHandle, int milliseconds) {
  pageStartTimer(milliseconds);
}

bool WebUi::isActive(platform::WindowHandle) {
  return modals_ == 0;
}

void WebUi::postQuit(int exitCode) {
  quit_ = exitCode;
}

int WebUi::runMessageLoop() {
  while (!quit_) {
    dispatch(static_cast<PageEvent>(pageWaitEvent()));
    if (handler_ != nullptr) pageSetUnsaved(handler_->hasUnsavedChanges() ? 1 : 0);
  }
  return *quit_;
}

void WebUi::dispatch(PageEvent event) {
  if (handler_ == nullptr) return;
  switch (event) {
    case PageEvent::Command:
      handler_->onCommand(kWindow, pageEventValue(0));
      break;
    case PageEvent::Key:
      key(pageEventValue(0), pageEventValue(1) != 0, pageEventValue(2) != 0,
          pageEventValue(3) != 0);
      break;
    case PageEvent::Mouse:
      mouse({static_cast<platform::PaneMouse::Kind>(pageEventValue(0)),
             static_cast<platform::PaneMouse::Button>(pageEventValue(1)), pageEventValue(2),
             pageEventValue(3), pageEventValue(4)});
      break;
    case PageEvent::Resize:
      resize(pageEventValue(0), pageEventValue(1));
      break;
    case PageEvent::Drop:
      drop(pageEventValue(0), pageEventValue(1));
      break;
    case PageEvent::Timer:
      handler_->onTimer(kWindow);
      break;
    case PageEvent::Close:
      if (handler_->onCloseRequest(kWindow)) destroyWindow(kWindow);
      break;
  }
}

void WebUi::resize(int width, int height) {
  pane_ = handler_->placePreviewPane(width, height);
  repaint(kWindow);
}

void WebUi::key(int virtualKey, bool shift, bool control, bool alt) {
  const KeyStroke stroke{static_cast<char16_t>(virtualKey), false, shift, control, alt};
  if (const std::optional<int> command =
          translateAccelerator(resources::findAccelerators(accelerators_), stroke)) {
    handler_->onCommand(kWindow, *command);
  } else if (!shift && !control && !alt && handler_->onPaneKey(kWindow, virtualKey)) {
    repaint(kWindow);
  }
}

// Presses and wheel turns count over the pane only; a press holds the moves and the release
// wherever the pointer goes.
void WebUi::mouse(const platform::PaneMouse& mouse) {
  using Kind = platform::PaneMouse::Kind;
  const bool over = mouse.x >= pane_.x && mouse.y >= pane_.y && mouse.x < pane_.x + pane_.width &&
                    mouse.y < pane_.y + pane_.height;
  if ((mouse.kind == Kind::Press || mouse.kind == Kind::Wheel) && !over) return;
  if (mouse.kind == Kind::Move && !paneHeld_) return;
  if (mouse.kind == Kind::Press) paneHeld_ = true;
  if (mouse.kind == Kind::Release) {
    if (!paneHeld_) return;
    paneHeld_ = false;
  }
  platform::PaneMouse inPane = mouse;
  inPane.x -= pane_.x;
  inPane.y -= pane_.y;
  if (handler_->onPaneMouse(kWindow, inPane)) repaint(kWindow);
}

// The author drops a model together with the files it names, which have no other way into
// the page: the OBJ file among them is the one meant, and the others follow it.
void WebUi::drop(int x, int y) {
  std::vector<std::u16string> paths = takeIncomingFiles();
  std::stable_partition(paths.begin(), paths.end(), isObjPath);
  if (!paths.empty()) handler_->onDropFiles(kWindow, x, y, paths);
}

std::vector<std::u16string> WebUi::takeIncomingFiles() {
  const std::u16string folder =
      u"/" + std::u16string(fromUtf8(std::to_string(nextFolder_++))) + u"/";
  std::vector<std::u16string> paths;
  const int count = pageIncomingCount();
  for (int i = 0; i < count; ++i) {
    const std::u16string path = folder + fetchText([i](char16_t* into, std::size_t capacity) {
                                  return pageIncomingPath(i, into, capacity);
                                });
    const double size = pageIncomingSize(i);
    // A file larger than memory holds is left out, and the program says it cannot read it.
    std::uint8_t* room = size <= static_cast<double>(SIZE_MAX)
                             ? platform::memoryFiles().make(path, static_cast<std::size_t>(size))
                             : nullptr;
    if (room != nullptr) pageIncomingCopy(i, room);
    paths.push_back(path);
  }
  return paths;
}

std::u16string WebUi::programFolder() {
  return u"/";
}

bool WebUi::openInBrowser(std::u16string_view) {
  return pageOpenGuide() != 0;
}

}  // namespace qel::web
