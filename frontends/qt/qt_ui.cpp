#include "frontends/qt/qt_ui.h"

#include <QApplication>
#include <QDesktopServices>
#include <QImage>
#include <QScreen>
#include <QUrl>

#include "frontends/qt/file_picker.h"
#include "frontends/qt/message_box.h"
#include "frontends/qt/progress_box.h"
#include "frontends/qt/qt_main_window.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/status_view.h"
#include "frontends/qt/template_dialog.h"
#include "resources/resources.h"

namespace qel::qt {

QtUi::QtUi() {
  // Only the program ends the message loop (through postQuit), never a closed window.
  QApplication::setQuitOnLastWindowClosed(false);
}

QtUi::~QtUi() = default;

QtMainWindow* QtUi::mainWindow(platform::WindowHandle handle) const {
  for (const auto& window : windows_) {
    if (window->handle() == handle && !window->isDestroyed()) return window.get();
  }
  return nullptr;
}

QWidget* QtUi::owner(platform::WindowHandle handle) const {
  return mainWindow(handle);
}

int QtUi::messageBox(platform::WindowHandle owner, std::u16string_view text,
                     std::u16string_view caption, platform::MessageBoxButtons buttons) {
  return showMessageBox(this->owner(owner), toQString(text), toQString(caption), buttons);
}

int QtUi::pictureBox(platform::WindowHandle owner, std::u16string_view text,
                     std::u16string_view caption, const platform::RgbaPixels& picture) {
  // The image only borrows the pixels; the pixmap copies them.
  const QImage image(picture.bytes.data(), picture.width, picture.height, picture.width * 4,
                     QImage::Format_RGBA8888);
  return showMessageBox(this->owner(owner), toQString(text), toQString(caption),
                        platform::MessageBoxButtons::OkCancel, QPixmap::fromImage(image));
}

int QtUi::askChoice(platform::WindowHandle owner, std::u16string_view text,
                    std::u16string_view caption, std::span<const std::u16string_view> buttons) {
  QStringList labels;
  for (const std::u16string_view label : buttons) labels.push_back(toQString(label));
  return showChoiceBox(this->owner(owner), toQString(text), toQString(caption), labels);
}

std::optional<std::u16string> QtUi::pickOpenFile(const platform::FilePickerRequest& request) {
  return runPicker(owner(request.owner), request, PickerKind::Open);
}

std::optional<std::u16string> QtUi::pickSaveFile(const platform::FilePickerRequest& request) {
  return runPicker(owner(request.owner), request, PickerKind::Save);
}

int QtUi::runModalDialog(platform::WindowHandle owner, int templateId,
                         platform::DialogProcedure& procedure) {
  const resources::DialogTemplate* dialog = resources::findDialog(templateId);
  if (dialog == nullptr) return -1;
  TemplateDialog window(*dialog, procedure, this->owner(owner));
  return window.run();
}

platform::WorkOutcome QtUi::runWithProgress(platform::WindowHandle owner,
                                            std::u16string_view caption, std::u16string_view text,
                                            const platform::LongWork& work) {
  return runWithProgressBox(this->owner(owner), toQString(caption), toQString(text), work);
}

platform::WindowHandle QtUi::createMainWindow(const platform::MainWindowDescription& description,
                                              platform::MainWindowHandler& handler) {
  QtMainWindowParts parts{toQString(description.title), toQString(description.className),
                          resources::findMenu(description.menu),
                          resources::findAccelerators(description.accelerators)};
  auto window = std::make_unique<QtMainWindow>(parts, handler);
  // A size that shows every line of the status view, within the screen.
  QSize size = window->sizeHint();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size());
  }
  window->resize(size);
  window->show();
  window->repaintNow();
  windows_.push_back(std::move(window));
  return windows_.back()->handle();
}

void QtUi::repaint(platform::WindowHandle window) {
  if (QtMainWindow* main = mainWindow(window)) main->repaintNow();
}

void QtUi::destroyWindow(platform::WindowHandle window) {
  if (QtMainWindow* main = mainWindow(window)) main->destroy();
}

void QtUi::setMenuList(platform::WindowHandle window, int beforeCommand,
                       std::span<const platform::MenuListItem> items) {
  if (QtMainWindow* main = mainWindow(window)) main->setMenuList(beforeCommand, items);
}

void QtUi::startTimer(platform::WindowHandle window, int milliseconds) {
  if (QtMainWindow* main = mainWindow(window)) main->startHandlerTimer(milliseconds);
}

bool QtUi::isActive(platform::WindowHandle window) {
  const QtMainWindow* main = mainWindow(window);
  return main != nullptr && main->isActiveWindow() &&
         QApplication::activeModalWidget() == nullptr &&
         QApplication::activePopupWidget() == nullptr;
}

void QtUi::postQuit(int exitCode) {
  if (looping_) {
    QCoreApplication::exit(exitCode);
  } else {
    pendingQuit_ = exitCode;  // the loop ends as soon as it starts
  }
}

int QtUi::runMessageLoop() {
  if (pendingQuit_) {
    const int code = *pendingQuit_;
    pendingQuit_.reset();
    return code;
  }
  looping_ = true;
  const int code = QApplication::exec();
  looping_ = false;
  return code;
}

std::u16string QtUi::programFolder() {
  return toU16(QCoreApplication::applicationDirPath()) + u'/';
}

bool QtUi::openInBrowser(std::u16string_view path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}

}  // namespace qel::qt
