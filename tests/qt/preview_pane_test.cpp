#include <gtest/gtest.h>

#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include "app/main_window.h"
#include "app/status_view.h"
#include "app/window_layout.h"
#include "frontends/qt/preview_pane.h"
#include "frontends/qt/qt_main_window.h"
#include "frontends/qt/qt_settings_store.h"
#include "frontends/qt/qt_text.h"
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

  // Near the top of the model's area, which starts below the buttons whatever the size.
  QPoint modelCentre() const {
    return {window_->previewPane()->width() / 2, PreviewPane::kModelTop + 50};
  }
  // The texture's area stands at the pane's bottom left.
  QPoint textureCorner() const {
    return {0, window_->previewPane()->height() - PreviewPane::kImageSide};
  }

  QtUi ui_;
  QtSettingsStore settings_;
  AppState app_;
  qel::MainWindow handler_;
  platform::WindowHandle handle_ = nullptr;
  QtMainWindow* window_ = nullptr;
};

// Each status line's box as the status view's font measures it.
class MeasuringSink final : public platform::TextSink {
 public:
  explicit MeasuringSink(const QFontMetrics& metrics) : metrics_(metrics) {}
  void textOut(int x, int y, std::u16string_view text) override {
    boxes.emplace_back(x, y, metrics_.horizontalAdvance(toQString(text)), metrics_.height());
  }
  std::vector<QRect> boxes;

 private:
  const QFontMetrics& metrics_;
};

TEST_F(PaneWindow, NeverCoversAStatusLineAndTakesTheRoomLeftAtAnySize) {
  // Every value as wide as it can be.
  ContainerRecord& record = app_.document.change();
  record.makerName.units().fill(u'W');
  record.containerName.units().fill(u'W');
  record.description.units().fill(u'漢');
  record.typeIndex = 0;
  record.modelData = Bytes(3, 0);
  record.modelVertexCount = 0x80000000u;
  record.textureData = Bytes(3, 0);
  record.textureWidth = record.textureHeight = 0xFFFF;
  // A PNG header claiming 2^31 x 2^31 pixels: "  DX -2147483648".
  record.sideViewData = Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0,    0, 0, 13,
                              'I',  'H', 'D', 'R', 0x80, 0,    0,    0,    0x80, 0, 0, 0};
  app_.document.savedAs(std::u16string(259, u'W'));
  const QFontMetrics metrics(window_->statusView()->font());
  MeasuringSink sink(metrics);
  paintStatusView(record, app_.document.path(), sink);
  ASSERT_GE(sink.boxes.size(), 14u);

  for (const QSize size : {QSize(300, 200), QSize(640, 480), window_->sizeHint(), QSize(1920, 1080),
                           QSize(3000, 500)}) {
    window_->resize(size);
    QApplication::processEvents();
    const QRect pane = window_->previewPane()->geometry();
    const QRect client = window_->statusView()->rect();
    if (window_->previewPane()->isVisible()) {
      for (const QRect& line : sink.boxes) EXPECT_FALSE(pane.intersects(line)) << line.y();
      EXPECT_EQ(pane.right() + 1 + kPaneBorder, client.width());
      EXPECT_EQ(pane.bottom() + 1 + kPaneBorder, client.height());
    }
  }
  // The first size holds the pane at its first size.
  window_->resize(window_->sizeHint());
  QApplication::processEvents();
  EXPECT_EQ(window_->previewPane()->width(), PreviewPane::kFirstWidth);
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
  EXPECT_EQ(shown.pixelColor(textureCorner() + QPoint(7, 7)), QColor(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(textureCorner() + QPoint(8, 8)), empty.pixelColor(0, 0));

  app_.document.change().modelData.reset();
  app_.document.change().textureData.reset();
  EXPECT_EQ(paneAfterRepaint(), empty);
}

TEST_F(PaneWindow, DragsWheelAndKeysRedrawTheModel) {
  app_.document.change().modelData = test::squareBlob();
  paneAfterRepaint();
  QWidget* pane = window_->previewPane();
  const QImage before = pane->grab().toImage();
  QTest::mousePress(pane, Qt::LeftButton, {}, modelCentre());
  QTest::mouseMove(pane, modelCentre() + QPoint(60, 0));
  QTest::mouseRelease(pane, Qt::LeftButton, {}, modelCentre() + QPoint(60, 0));
  const QImage turned = pane->grab().toImage();
  EXPECT_NE(turned, before);

  QWheelEvent wheel(modelCentre(), pane->mapToGlobal(modelCentre()), {}, {0, 120}, Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(pane, &wheel);
  const QImage zoomed = pane->grab().toImage();
  EXPECT_NE(zoomed, turned);

  QTest::mousePress(pane, Qt::RightButton, {}, modelCentre());
  QTest::mouseMove(pane, modelCentre() + QPoint(0, 40));
  QTest::mouseRelease(pane, Qt::RightButton, {}, modelCentre() + QPoint(0, 40));
  const QImage panned = pane->grab().toImage();
  EXPECT_NE(panned, zoomed);

  // Home, a key without modifiers that no accelerator takes, brings the first view back.
  QTest::keyClick(window_, Qt::Key_Home);
  EXPECT_EQ(pane->grab().toImage(), before);
}

}  // namespace
}  // namespace qel::qt
