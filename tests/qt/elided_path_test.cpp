#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "frontends/qt/elided_path.h"

namespace qel::qt {
namespace {

// A path too long for its room loses the middle of its folders, never its file name.
TEST(ElidedPath, ALongPathKeepsItsFileNameAndFitsItsRoom) {
  const QFontMetrics metrics{QFont()};
  const QString path =
      QStringLiteral("/home/user/") + QString(200, u'f') + QStringLiteral("/部品/コキ50000.cnt");
  const int room = metrics.horizontalAdvance(QStringLiteral("/home/user/ffff/部品/コキ50000.cnt"));
  const QString shown = elidedPath(path, metrics, room);
  EXPECT_LE(metrics.horizontalAdvance(shown), room) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith(QStringLiteral("/コキ50000.cnt"))) << shown.toStdString();
  EXPECT_TRUE(shown.startsWith(u'/')) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
  EXPECT_EQ(elidedPath(path, metrics, metrics.horizontalAdvance(path)), path);
}

}  // namespace
}  // namespace qel::qt
