#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>
#include <map>

#include "frontends/qt/display_check.h"

namespace qel::qt {
namespace {

// Sets the environment of one case and puts the test program's own back afterwards.
class DisplayCheckTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value.isNull())
        qunsetenv(name);
      else
        qputenv(name, value);
    }
  }
  void set(const char* name, const char* value) {
    if (!saved_.contains(name)) saved_[name] = qgetenv(name);
    if (value == nullptr)
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  std::map<const char*, QByteArray> saved_;
};

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
TEST_F(DisplayCheckTest, WindowSystemPlatformsNeedTheirDisplay) {
  set("DISPLAY", nullptr);
  set("WAYLAND_DISPLAY", nullptr);
  for (const char* platform : {"", "xcb", "wayland"}) {
    set("QT_QPA_PLATFORM", platform);
    EXPECT_FALSE(displayAvailable()) << platform;
  }
  set("QT_QPA_PLATFORM", nullptr);
  EXPECT_FALSE(displayAvailable());
  set("DISPLAY", ":5");
  EXPECT_TRUE(displayAvailable());
  set("DISPLAY", nullptr);
  set("WAYLAND_DISPLAY", "wayland-0");
  EXPECT_TRUE(displayAvailable());
}

TEST_F(DisplayCheckTest, OtherPlatformsNeedNone) {
  set("DISPLAY", nullptr);
  set("WAYLAND_DISPLAY", nullptr);
  set("QT_QPA_PLATFORM", "offscreen");
  EXPECT_TRUE(displayAvailable());
}
#endif

}  // namespace
}  // namespace qel::qt
