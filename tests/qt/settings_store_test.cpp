#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "frontends/qt/qt_settings_store.h"

namespace qel::qt {
namespace {

constexpr std::u16string_view kKey = u"Software\\K.DORAN\\APP\\QELCONTAINER";

// Points the per-user configuration folder at a fresh temporary folder for one test.
class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    previous_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit());
  }
  void TearDown() override { qputenv("XDG_CONFIG_HOME", previous_); }

  QString file() const { return folder_.path() + QStringLiteral("/K.DORAN/APP/QELCONTAINER.conf"); }

  QTemporaryDir folder_;
  QByteArray previous_;
  QtSettingsStore store_;
};

TEST_F(SettingsStoreTest, NameRoundTripsThroughTheUsersConfigurationFile) {
  EXPECT_EQ(store_.readString(kKey, u"maker"), std::nullopt);
  EXPECT_FALSE(QFile::exists(file()));  // reading creates nothing

  ASSERT_TRUE(store_.writeString(kKey, u"maker", u"山田,工房 =;#"));
  EXPECT_TRUE(QFile::exists(file()));
  EXPECT_EQ(QtSettingsStore().readString(kKey, u"maker"), u"山田,工房 =;#");
  EXPECT_EQ(store_.readString(kKey, u"other"), std::nullopt);

  ASSERT_TRUE(store_.writeString(kKey, u"maker", u"二代目"));
  EXPECT_EQ(store_.readString(kKey, u"maker"), u"二代目");
}

TEST_F(SettingsStoreTest, HandWrittenListValueReadsAsItsText) {
  ASSERT_TRUE(QDir().mkpath(folder_.path() + QStringLiteral("/K.DORAN/APP")));
  QFile conf(file());
  ASSERT_TRUE(conf.open(QIODevice::WriteOnly | QIODevice::Truncate));
  conf.write("[General]\nmaker=a, b\n");
  conf.close();
  EXPECT_EQ(QtSettingsStore().readString(u"Software\\K.DORAN\\APP\\QELCONTAINER\\", u"maker"),
            u"a, b");
}

TEST_F(SettingsStoreTest, PathsThatNameNoPlaceAreRefused) {
  EXPECT_FALSE(store_.writeString(u"Software\\..\\..\\escape", u"maker", u"x"));
  EXPECT_FALSE(store_.writeString(u"", u"maker", u"x"));
  EXPECT_FALSE(store_.writeString(u"Software\\a/b", u"maker", u"x"));
  EXPECT_EQ(store_.readString(u"Software\\..\\x", u"maker"), std::nullopt);
}

TEST_F(SettingsStoreTest, UnwritableFolderReportsFailure) {
  QFile blocker(folder_.path() + QStringLiteral("/K.DORAN"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder would go
  blocker.close();
  EXPECT_FALSE(store_.writeString(kKey, u"maker", u"x"));
}

}  // namespace
}  // namespace qel::qt
