// The desktop program: Qt Widgets under the portable program.

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "app/application.h"
#include "frontends/qt/display_check.h"
#include "frontends/qt/qt_settings_store.h"
#include "frontends/qt/qt_ui.h"
#include "frontends/qt/ui_fonts.h"

#if defined(__SANITIZE_ADDRESS__)
// Caches that the system libraries under Qt keep for the whole process are not the program's
// leaks; the sanitizer build reports only the program's own.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1\nleak:libfontconfig\nleak:libQt6Core\nleak:libQt6Gui\n"
         "leak:libQt6Widgets\nleak:libQt6XcbQpa\n";
}
#endif

namespace {

// Qt's own dialogs (file pickers, the replace question) speak Japanese whatever the system
// language, like the rest of the program.
void loadJapaneseQtTranslation(QApplication& app, QTranslator& translator) {
  const QStringList folders = {
      QLibraryInfo::path(QLibraryInfo::TranslationsPath),
      QApplication::applicationDirPath() + QStringLiteral("/translations")};
  for (const QString& folder : folders) {
    if (translator.load(QStringLiteral("qtbase_ja"), folder)) {
      app.installTranslator(&translator);
      return;
    }
  }
}

QIcon applicationIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 256}) {
    icon.addFile(QStringLiteral(":/qelcontainer/qelcontainer-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
  // The program's own arguments: --version, and a file to open. Qt's options (-reverse,
  // -style, ...) are not handed to Qt and change nothing.
  std::u16string startFile;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") {
      std::printf("%.*s\n", static_cast<int>(qel::versionLine().size()), qel::versionLine().data());
      return 0;
    }
    if (startFile.empty() && !arg.starts_with('-')) {
      startFile = QString::fromLocal8Bit(argv[i]).toStdU16String();
    }
  }
  if (!qel::qt::displayAvailable()) {
    std::fputs(qel::qt::kNeedsDisplayMessage, stderr);
    return 1;
  }
  int qtArgc = 1;
  char* qtArgv[] = {argc > 0 ? argv[0] : const_cast<char*>("qelcontainer"), nullptr};
  std::unique_ptr<QApplication> app;
  {
    qel::qt::DisplayStartGuard guard;
    app = std::make_unique<QApplication>(qtArgc, qtArgv);
  }
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  QTranslator translator;
  loadJapaneseQtTranslation(*app, translator);
  QApplication::setFont(qel::qt::withJapaneseFallback(QApplication::font()));
  QApplication::setWindowIcon(applicationIcon());
  QApplication::setApplicationName(QStringLiteral("qelcontainer"));
  QApplication::setDesktopFileName(QStringLiteral("qelcontainer"));

  qel::qt::QtUi ui;
  qel::qt::QtSettingsStore settings;
  return qel::runApplication(ui, settings, startFile);
}
