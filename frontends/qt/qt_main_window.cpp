#include "frontends/qt/qt_main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QResizeEvent>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <vector>

#include "frontends/qt/accelerators.h"
#include "frontends/qt/preview_pane.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/status_view.h"

namespace qel::qt {

QtMainWindow::QtMainWindow(const QtMainWindowParts& parts, platform::MainWindowHandler& handler)
    : handler_(handler), accelerators_(parts.accelerators) {
  setObjectName(parts.className);
  setWindowTitle(parts.title);
  view_ =
      new StatusView([this](platform::TextSink& sink) { handler_.onPaint(handle(), sink); }, this);
  setCentralWidget(view_);
  const platform::ClientArea first = handler_.firstClientArea();
  firstSize_ = QSize(first.width, first.height);
  pane_ = new PreviewPaneView(
      [this](platform::PaneSink& sink) { handler_.onPaintPane(handle(), sink); },
      [this](const platform::PaneMouse& mouse) {
        return !destroyed_ && handler_.onPaneMouse(handle(), mouse);
      },
      view_);
  placePane(firstSize_);
  buildMenus(parts.menus);
  setAcceptDrops(true);
  // The accelerators act whichever widget of this window has the focus, and only while no
  // menu or modal window is open, as the table of a message loop does.
  qApp->installEventFilter(this);
}

QtMainWindow::~QtMainWindow() {
  qApp->removeEventFilter(this);
}

void QtMainWindow::buildMenus(std::span<const resources::Menu> menus) {
  for (const resources::Menu& menu : menus) {
    QMenu* dropDown = menuBar()->addMenu(toQString(menu.caption));
    for (const resources::MenuItem& item : menu.items) {
      if (item.command == 0) {
        dropDown->addSeparator();
        continue;
      }
      // "&" marks the mnemonic in Qt as it does in the resources.
      QAction* action = dropDown->addAction(toQString(item.caption));
      action->setData(item.command);
      const int id = item.command;
      connect(action, &QAction::triggered, this, [this, id] { command(id); });
    }
  }
}

void QtMainWindow::placePane(QSize client) {
  const platform::ClientArea pane = handler_.placePreviewPane(client.width(), client.height());
  pane_->setVisible(pane.width > 0 && pane.height > 0);
  pane_->setGeometry(pane.x, pane.y, pane.width, pane.height);
}

QSize QtMainWindow::sizeHint() const {
  const QSize viewHint = view_->sizeHint();
  return QMainWindow::sizeHint() + QSize(std::max(0, firstSize_.width() - viewHint.width()),
                                         std::max(0, firstSize_.height() - viewHint.height()));
}

void QtMainWindow::setMenuList(int beforeCommand, std::span<const platform::MenuListItem> items) {
  qDeleteAll(listed_);
  listed_.clear();
  for (QMenu* dropDown : menuBar()->findChildren<QMenu*>()) {
    QAction* before = nullptr;
    for (QAction* action : dropDown->actions()) {
      if (action->data().toInt() == beforeCommand && !action->isSeparator()) before = action;
    }
    if (before == nullptr) continue;
    for (const platform::MenuListItem& item : items) {
      auto* action = new QAction(toQString(item.caption), dropDown);
      const int id = item.command;
      connect(action, &QAction::triggered, this, [this, id] { command(id); });
      dropDown->insertAction(before, action);
      listed_.push_back(action);
    }
    if (!items.empty()) listed_.push_back(dropDown->insertSeparator(before));
    return;
  }
}

void QtMainWindow::startHandlerTimer(int milliseconds) {
  if (timer_ == nullptr) {
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] {
      if (!destroyed_) handler_.onTimer(handle());
    });
  }
  timer_->start(milliseconds);
}

void QtMainWindow::dropFiles(QPoint at, const QStringList& paths) {
  if (destroyed_ || paths.isEmpty()) return;
  std::vector<std::u16string> files;
  for (const QString& path : paths) files.push_back(path.toStdU16String());
  const QPoint client = view_->mapFrom(this, at);
  handler_.onDropFiles(handle(), client.x(), client.y(), files);
}

// Only files on this machine are taken; the program decides what each one is.
void QtMainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) {
    for (const QUrl& url : event->mimeData()->urls()) {
      if (url.isLocalFile()) {
        event->acceptProposedAction();
        return;
      }
    }
  }
}

void QtMainWindow::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) paths.push_back(url.toLocalFile());
  }
  event->acceptProposedAction();
  // The drag's source waits for the drop to end: the boxes of the command come after it.
  const QPoint at = event->position().toPoint();
  QTimer::singleShot(0, this, [this, at, paths] { dropFiles(at, paths); });
}

void QtMainWindow::command(int id) {
  if (!destroyed_) handler_.onCommand(handle(), id);
}

void QtMainWindow::repaintNow() {
  if (destroyed_) return;
  view_->repaint();
  // A child is not repainted with its parent.
  pane_->repaint();
}

void QtMainWindow::destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  hide();
  handler_.onDestroy(handle());
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  if (!destroyed_ && !handler_.onCloseRequest(handle())) {
    event->ignore();
    return;
  }
  event->accept();
  destroy();
}

bool QtMainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::Resize && !destroyed_) {
    placePane(static_cast<QResizeEvent*>(event)->size());
    return false;
  }
  if (event->type() != QEvent::KeyPress || destroyed_) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this ||
      QApplication::activePopupWidget() != nullptr ||
      QApplication::activeModalWidget() != nullptr) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  for (const KeyStroke& stroke : keyStrokesOf(key->key(), key->modifiers(), key->text())) {
    if (const std::optional<int> id = translateAccelerator(accelerators_, stroke)) {
      command(*id);
      return true;
    }
  }
  if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (const std::optional<int> code = virtualKeyOf(key->key());
        code && handler_.onPaneKey(handle(), *code)) {
      pane_->update();
      return true;
    }
  }
  return false;
}

}  // namespace qel::qt
