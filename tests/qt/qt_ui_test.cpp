#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "frontends/qt/qt_main_window.h"
#include "frontends/qt/qt_ui.h"
#include "frontends/qt/status_view.h"
#include "modal_driver.h"
#include "resources/resources.h"

namespace qel::qt {
namespace {

namespace r = resources;

class QuittingHandler final : public platform::MainWindowHandler {
 public:
  explicit QuittingHandler(platform::Ui& ui) : ui_(ui) {}
  int destroys = 0;
  void onPaint(platform::WindowHandle, platform::TextSink& sink) override {
    sink.textOut(0, 320, u"SIDEVIEW未設定");
  }
  bool onCommand(platform::WindowHandle, int) override { return false; }
  void onDestroy(platform::WindowHandle) override {
    ++destroys;
    ui_.postQuit(3);
  }

 private:
  platform::Ui& ui_;
};

class ClosingProcedure final : public platform::DialogProcedure {
 public:
  bool onInitDialog(platform::DialogControls&) override { return true; }
  bool onCommand(platform::DialogControls& dialog, int command) override {
    dialog.endDialog(command);
    return true;
  }
};

platform::MainWindowDescription mainWindowDescription() {
  return {u"ノルカ",     u"QELCONTAINER", r::kMainMenu, r::kAcceleratorTable,
          r::kLargeIcon, r::kSmallIcon};
}

TEST(QtUi, MainWindowOpensLargeEnoughForEveryLineAndDestroyEndsTheLoop) {
  QtUi ui;
  QuittingHandler handler(ui);
  const platform::WindowHandle handle = ui.createMainWindow(mainWindowDescription(), handler);
  QtMainWindow* window = ui.mainWindow(handle);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("ノルカ"));
  EXPECT_GE(window->statusView()->height(), 340);  // the last line starts at 320

  QTimer::singleShot(0, [&] { ui.destroyWindow(handle); });
  EXPECT_EQ(ui.runMessageLoop(), 3);
  EXPECT_EQ(handler.destroys, 1);
  EXPECT_EQ(ui.mainWindow(handle), nullptr);
  ui.repaint(handle);  // a destroyed window is no longer reached
  ui.destroyWindow(handle);
  EXPECT_EQ(handler.destroys, 1);
}

TEST(QtUi, QuitPostedBeforeTheLoopEndsItAtOnce) {
  QtUi ui;
  ui.postQuit(0);
  EXPECT_EQ(ui.runMessageLoop(), 0);
}

TEST(QtUi, DialogsComeFromTheTemplatesAndBelongToTheirOwner) {
  QtUi ui;
  QuittingHandler handler(ui);
  const platform::WindowHandle handle = ui.createMainWindow(mainWindowDescription(), handler);
  ClosingProcedure procedure;
  EXPECT_EQ(ui.runModalDialog(handle, 4711, procedure), -1);

  const QWidget* parent = nullptr;
  QString title;
  test::whenModalOpens([&](QWidget* dialog) {
    parent = dialog->parentWidget();
    title = dialog->windowTitle();
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(ui.runModalDialog(handle, r::kAboutDialog, procedure), platform::kIdCancel);
  EXPECT_EQ(parent, ui.mainWindow(handle));
  EXPECT_EQ(title, QStringLiteral("バージョン情報 QELContainer"));

  // A handle that names no window of this front end owns nothing.
  int unknown = 0;
  test::whenModalOpens([&](QWidget* dialog) {
    parent = dialog->parentWidget();
    QTest::keyClick(dialog, Qt::Key_Return);
  });
  ui.messageBox(&unknown, u"x", u"K.DORAN INFORMATION", platform::MessageBoxButtons::Ok);
  EXPECT_EQ(parent, nullptr);
}

}  // namespace
}  // namespace qel::qt
