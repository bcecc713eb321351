#include <gtest/gtest.h>

#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include "app/main_window.h"
#include "frontends/qt/preview_pane.h"
#include "frontends/qt/qt_main_window.h"
#include "frontends/qt/qt_settings_store.h"
#include "frontends/qt/qt_ui.h"
#include "frontends/qt/status_view.h"
#include "preview/png_codec.h"
#include "resources/resources.h"
#include "tests/preview/preview_fixtures.h"

namespace qel::qt {
namespace {

namespace r = resources;

// The program's own main window behaviour on the Qt window, with a record to change.
class PaneWindow : public ::testing::Test {
 protected:
  PaneWindow() : app_(ui_, settings_), handler_(app_) {
    handle_ = ui_.createMainWindow({u"ノルカ", u"QELCONTAINER", r::kMainMenu, r::kAcceleratorTable,
                                    r::kLargeIcon, r::kSmallIcon},
                                   handler_);
    window_ = ui_.mainWindow(handle_);
    window_->resize(window_->sizeHint());  // larger than the offscreen screen
    QApplication::processEvents();
  }

  // What the window shows of the pane after the program's repaint.
  QImage paneAfterRepaint() {
    ui_.repaint(handle_);
    const QWidget* pane = window_->previewPane();
    return QGuiApplication::primaryScreen()
        ->grabWindow(window_->winId())
        .toImage()
        .copy(QRect(pane->mapTo(window_, QPoint(0, 0)), pane->size()));
  }

  static QPoint modelCentre() {
    return {PreviewPane::kModelArea.x + PreviewPane::kModelArea.width / 2,
            PreviewPane::kModelArea.y + PreviewPane::kModelArea.height / 2};
  }

  QtUi ui_;
  QtSettingsStore settings_;
  AppState app_;
  qel::MainWindow handler_;
  platform::WindowHandle handle_ = nullptr;
  QtMainWindow* window_ = nullptr;
};

TEST_F(PaneWindow, StandsRightOfTheStatusLinesInAWindowThatHoldsIt) {
  const QRect pane = window_->previewPane()->geometry();
  EXPECT_EQ(pane.topLeft(), QPoint(640, 0));
  // The first size, before the screen bounds it (the offscreen screen is small).
  const QSize first = window_->sizeHint();
  EXPECT_GE(first.width(), pane.right() + 1);
  EXPECT_GE(first.height(), pane.bottom() + 1 + window_->menuBar()->height());
}

TEST_F(PaneWindow, FollowsTheRecordOnEveryRepaintAndShowsNothingForEmptySlots) {
  const QImage empty = paneAfterRepaint();
  EXPECT_EQ(empty.pixelColor(modelCentre()), empty.pixelColor(0, 0));

  app_.document.change().modelData = test::squareBlob();
  app_.document.change().textureData = encodePng(RgbaImage(8, 8, {255, 0, 0, 255}));
  const QImage shown = paneAfterRepaint();
  const QColor model = shown.pixelColor(modelCentre());
  EXPECT_GT(model.red(), 100);
  EXPECT_EQ(model.green(), 0);
  EXPECT_EQ(shown.pixelColor(PreviewPane::kTextureArea.x + 7, PreviewPane::kTextureArea.y + 7),
            QColor(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(PreviewPane::kTextureArea.x + 8, PreviewPane::kTextureArea.y + 8),
            empty.pixelColor(0, 0));

  app_.document.change().modelData.reset();
  app_.document.change().textureData.reset();
  EXPECT_EQ(paneAfterRepaint(), empty);
}

TEST_F(PaneWindow, DragAndWheelRedrawTheModel) {
  app_.document.change().modelData = test::squareBlob();
  const QImage before = paneAfterRepaint();
  QWidget* pane = window_->previewPane();
  QTest::mousePress(pane, Qt::LeftButton, {}, modelCentre());
  QTest::mouseMove(pane, modelCentre() + QPoint(60, 0));
  QTest::mouseRelease(pane, Qt::LeftButton, {}, modelCentre() + QPoint(60, 0));
  const QImage turned = pane->grab().toImage();
  EXPECT_NE(turned, before);

  QWheelEvent wheel(modelCentre(), pane->mapToGlobal(modelCentre()), {}, {0, 120}, Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(pane, &wheel);
  EXPECT_NE(pane->grab().toImage(), turned);
}

}  // namespace
}  // namespace qel::qt
