// Runs the Qt adapter's tests under the offscreen platform, with a QApplication set up the way
// the program sets it up.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "frontends/qt/ui_fonts.h"

// Fontconfig and Qt keep caches for the whole process; they are not the adapter's leaks.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Core\nleak:libQt6Gui\nleak:libQt6Widgets\n";
}

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setFont(qel::qt::withJapaneseFallback(QApplication::font()));
  return RUN_ALL_TESTS();
}
