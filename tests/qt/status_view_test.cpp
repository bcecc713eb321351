#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <vector>

#include "frontends/qt/qt_text.h"
#include "frontends/qt/status_view.h"

namespace qel::qt {
namespace {

struct Line {
  int x;
  int y;
  std::u16string text;
};

// The status view of a record with everything set, at the positions the program draws it.
const std::vector<Line> kFullRecord{
    {0, 0, u"ファイルパス："},
    {128, 0, u"/home/user/部品/box.cnt"},
    {0, 40, u"工房名"},
    {96, 40, u"山田工房"},
    {0, 60, u"コンテナ名"},
    {96, 60, u"コキ用コンテナ"},
    {0, 80, u"説明"},
    {96, 80, u"Gyp 説明文"},
    {0, 100, u"種別"},
    {96, 100, u"ISO40ft"},
    {96, 140, u"3D MODEL 1234 bytes"},
    {96, 160, u"  Vertex 36"},
    {96, 200, u"TEXTURE 6412 bytes"},
    {96, 220, u"  DX 256"},
    {96, 240, u"  DY 128"},
    {96, 280, u"SIDEVIEW 999 bytes"},
    {96, 300, u"  DX 200"},
    {96, 320, u"  DY 64"},
};

// direction is the whole program's, as Qt's -reverse option sets it.
QImage render(const std::vector<Line>& lines, Qt::LayoutDirection direction = Qt::LeftToRight) {
  QGuiApplication::setLayoutDirection(direction);
  StatusView view(
      [&lines](platform::TextSink& sink) {
        for (const Line& line : lines) sink.textOut(line.x, line.y, line.text);
      },
      nullptr);
  view.resize(view.sizeHint());
  // Grabbed as the window system paints it: rendering into an image would take no direction.
  const QImage image = view.grab().toImage();
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
  return image;
}

// The rows and columns where the image differs from its top-right pixel, the background.
QRect inkBox(const QImage& image, const QRect& within) {
  const QRgb background = image.pixel(image.width() - 1, 0);
  QRect box;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    for (int x = within.left(); x <= within.right(); ++x) {
      if (image.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// Right-to-left layout (Qt's -reverse) must not move the texts.
TEST(StatusView, EachTextStandsBelowAndRightOfItsTopLeftCorner) {
  for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft})
    for (const Line& line : {Line{0, 0, u"ファイルパス："}, Line{96, 140, u"3D MODEL 1234 bytes"},
                             Line{96, 200, u"TEXTURE未設定"}, Line{96, 320, u"gjpq 工房"}}) {
      const QImage image = render({line}, direction);
      const QRect ink = inkBox(image, image.rect());
      ASSERT_FALSE(ink.isEmpty()) << toQString(line.text).toStdString();
      // Placed by the top of its line, not by its baseline: no ink above y, and the descenders
      // stay inside the 20-pixel pitch.
      EXPECT_GE(ink.top(), line.y);
      EXPECT_LE(ink.top(), line.y + 8);
      EXPECT_LT(ink.bottom(), line.y + 20);
      EXPECT_GE(ink.left(), line.x);
      EXPECT_LE(ink.left(), line.x + 4);
    }
}

TEST(StatusView, FullRecordFitsTheDefaultSizeWithItsEmptyLinesEmpty) {
  const QImage image = render(kFullRecord);
  EXPECT_GE(image.height(), 340);  // the last line starts at 320
  for (const Line& line : kFullRecord) {
    const QRect row(line.x, line.y, 80, 20);
    EXPECT_FALSE(inkBox(image, row).isEmpty()) << line.y;
  }
  // The empty lines between the blocks stay empty.
  for (const int y : {20, 120, 180, 260}) {
    EXPECT_TRUE(inkBox(image, QRect(0, y, image.width(), 20)).isEmpty()) << y;
  }
  // Labels end before the values begin.
  EXPECT_LT(inkBox(image, QRect(0, 60, 96, 20)).right(), 96);
  EXPECT_LT(inkBox(image, QRect(0, 0, 128, 20)).right(), 128);
}

}  // namespace
}  // namespace qel::qt
