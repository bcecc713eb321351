#include "frontends/qt/display_check.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qel::qt {
namespace {

QtMessageHandler previousHandler = nullptr;

bool hasValue(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

void startMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(kNeedsDisplayMessage, stderr);
    std::_Exit(1);
  }
  // The platform plugin's own complaints would only repeat the line above.
  if (context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0) return;
  if (previousHandler != nullptr) previousHandler(type, context, text);
}

}  // namespace

bool displayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  const bool windowSystem = platform == nullptr || platform[0] == '\0' ||
                            std::strncmp(platform, "xcb", 3) == 0 ||
                            std::strncmp(platform, "wayland", 7) == 0;
  return !windowSystem || hasValue("DISPLAY") || hasValue("WAYLAND_DISPLAY");
#else
  return true;
#endif
}

DisplayStartGuard::DisplayStartGuard() {
  previousHandler = qInstallMessageHandler(startMessageHandler);
}

DisplayStartGuard::~DisplayStartGuard() {
  qInstallMessageHandler(previousHandler);
}

}  // namespace qel::qt
