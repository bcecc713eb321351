#include "app/main_window.h"

#include <new>

#include "app/command_table.h"
#include "app/commands/commands.h"
#include "app/recent_files.h"
#include "app/source_watch.h"
#include "app/status_view.h"
#include "app/unsaved_changes.h"
#include "app/window_layout.h"
#include "base/out_of_memory.h"
#include "resources/captions.h"
#include "resources/preview_texts.h"
#include "resources/shell_texts.h"

namespace qel {
namespace {

constexpr PaneWording kPaneWording{resources::kPaneButtons,        resources::kPaneModelSize,
                                   resources::kPaneLengthMatches,  resources::kPaneLengthDiffers,
                                   resources::kPaneLegend,         resources::kPaneNoTexture,
                                   resources::kPanePartlyDrawn,    resources::kPaneNoSideView,
                                   resources::kPaneUnitWouldMatch, resources::kPaneUnitNames};

}  // namespace

MainWindow::MainWindow(AppState& app) : app_(app), pane_(kPaneWording) {}

void MainWindow::onPaint(platform::WindowHandle, platform::TextSink& sink) {
  paintStatusView(app_.document.record(), app_.document.path(), sink);
}

// A command that runs out of memory has changed nothing (each command changes its state
// only once nothing can fail); the program goes on and says so.
template <typename Run>
void MainWindow::runGuarded(platform::WindowHandle window, std::u16string_view caption, Run run) {
  const bool outer = !running_;
  running_ = true;
  handlingOutOfMemory(run, [&] {
    app_.ui.messageBox(window, resources::kOutOfMemoryText, caption,
                       platform::MessageBoxButtons::Ok);
  });
  if (outer) running_ = false;
}

bool MainWindow::onCommand(platform::WindowHandle window, int command) {
  if (const std::optional<std::size_t> index = recentFileIndex(command)) {
    runGuarded(window, resources::kOpenContainerCaption,
               [&] { openRecentFile(app_, window, *index); });
    return true;
  }
  const Command* found = findCommand(command);
  if (!found) return false;
  runGuarded(window, found->caption, [&] { found->handler(app_, window); });
  return true;
}

void MainWindow::onDropFiles(platform::WindowHandle window, int x, int y,
                             std::span<const std::u16string> paths) {
  if (running_) return;
  DropTarget target = DropTarget::Window;
  switch (pane_.pictureAt(x - paneArea_.x, y - paneArea_.y)) {
    case PreviewPane::Picture::Texture:
      target = DropTarget::Texture;
      break;
    case PreviewPane::Picture::SideView:
      target = DropTarget::SideView;
      break;
    default:
      break;
  }
  runGuarded(window, resources::kProgramCaption, [&] { dropFiles(app_, window, target, paths); });
}

void MainWindow::onTimer(platform::WindowHandle window) {
  if (running_) return;
  runGuarded(window, resources::kProgramCaption, [&] { offerChangedSources(app_, window); });
}

bool MainWindow::onCloseRequest(platform::WindowHandle window) {
  return mayLoseChanges(app_, window, ChangesAt::Close);
}

bool MainWindow::hasUnsavedChanges() const {
  return app_.document.hasUnsavedChanges();
}

void MainWindow::onDestroy(platform::WindowHandle) {
  app_.ui.postQuit(0);
}

platform::ClientArea MainWindow::firstClientArea() const {
  return qel::firstClientArea();
}

platform::ClientArea MainWindow::placePreviewPane(int clientWidth, int clientHeight) {
  paneArea_ = previewPaneArea(clientWidth, clientHeight);
  pane_.resize(paneArea_.width, paneArea_.height);
  return paneArea_;
}

void MainWindow::onPaintPane(platform::WindowHandle, platform::PaneSink& sink) {
  pane_.follow(app_.document.record(), app_.document.revision());
  pane_.setModelUnit(app_.modelUnit);
  const PaneContents contents = pane_.contents();
  for (const PanePicture& picture : contents.pictures) {
    const RgbaImage& image = *picture.image;
    sink.drawPicture(picture.x, picture.y, {image.width, image.height, image.pixels});
  }
  for (const PaneText& text : contents.texts) sink.textOut(text.x, text.y, text.text);
}

bool MainWindow::onPaneMouse(platform::WindowHandle, const platform::PaneMouse& mouse) {
  using Kind = platform::PaneMouse::Kind;
  switch (mouse.kind) {
    case Kind::Press:
      return pane_.press(mouse.x, mouse.y, static_cast<PreviewPane::MouseButton>(mouse.button));
    case Kind::Move:
      return pane_.moveTo(mouse.x, mouse.y);
    case Kind::Release:
      pane_.release();
      return false;
    case Kind::Wheel:
      return pane_.wheel(mouse.x, mouse.y, mouse.wheelDelta);
  }
  return false;
}

bool MainWindow::onPaneKey(platform::WindowHandle, int virtualKey) {
  return pane_.key(virtualKey);
}

}  // namespace qel
