#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <span>

#include "platform/ui.h"
#include "resources/resource_types.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QTimer;

namespace qel::qt {

class PreviewPaneView;
class StatusView;

// What the main window is made of, looked up from the resources by the caller.
struct QtMainWindowParts {
  QString title;
  QString className;
  std::span<const resources::Menu> menus;
  std::span<const resources::Accelerator> accelerators;
};

// The main window: the menu bar of the resources, the accelerator table, and the status view
// as its client area, with the handler's preview pane on it. Every menu item and accelerator
// reaches the handler as its command identifier; the close box and destroy() reach it as onDestroy,
// once.
class QtMainWindow final : public QMainWindow {
 public:
  QtMainWindow(const QtMainWindowParts& parts, platform::MainWindowHandler& handler);
  ~QtMainWindow() override;

  platform::WindowHandle handle() const { return static_cast<const QWidget*>(this); }
  StatusView* statusView() const { return view_; }
  PreviewPaneView* previewPane() const { return pane_; }

  // The handler's first client area below the menu bar.
  QSize sizeHint() const override;

  // Erases the client area and paints it before returning.
  void repaintNow();
  // The program's items just above the item beforeCommand, with a separator under them.
  void setMenuList(int beforeCommand, std::span<const platform::MenuListItem> items);
  // The handler's onTimer every milliseconds.
  void startHandlerTimer(int milliseconds);
  // Files dropped at a point of the client area, as a drop hands them over.
  void dropFiles(QPoint at, const QStringList& paths);

  // Hides the window for good and tells the handler; later calls do nothing.
  void destroy();
  bool isDestroyed() const { return destroyed_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenus(std::span<const resources::Menu> menus);
  // Where the handler places the pane in a client area of that size.
  void placePane(QSize client);
  void command(int id);

  platform::MainWindowHandler& handler_;
  std::span<const resources::Accelerator> accelerators_;
  StatusView* view_;
  PreviewPaneView* pane_ = nullptr;
  QSize firstSize_;
  QList<QAction*> listed_;  // of setMenuList, the separator last
  QTimer* timer_ = nullptr;
  bool destroyed_ = false;
};

}  // namespace qel::qt
