#include <algorithm>
#include <array>
#include <string>

#include "app/commands/commands.h"
#include "platform/os.h"
#include "resources/captions.h"
#include "resources/shell_texts.h"

namespace qel {
namespace {

// Where the Japanese guide lies from the program's folder: beside it in the Windows packages,
// under share/ in a Linux installation, and in the build folder of a program not installed.
constexpr std::array<std::u16string_view, 3> kGuidePlaces = {
    u"guide/guide-ja.html",
    u"../share/doc/qelcontainer/guide/guide-ja.html",
    u"../../guide/guide-ja.html",
};

}  // namespace

void showGuide(AppState& app, platform::WindowHandle window) {
  const std::u16string folder = app.ui.programFolder();
  const char16_t separator = folder.empty() ? u'/' : folder.back();
  std::u16string path;
  for (std::u16string_view place : kGuidePlaces) {
    path = folder + std::u16string(place);
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(folder.size()), path.end(), u'/',
                 separator);
    if (platform::fileSystem().openForReading(path)) {
      if (app.ui.openInBrowser(path)) return;
      app.ui.messageBox(window, resources::guideNotShownText(path), resources::kGuideCaption,
                        platform::MessageBoxButtons::Ok);
      return;
    }
  }
  app.ui.messageBox(window, resources::kGuideMissingText, resources::kGuideCaption,
                    platform::MessageBoxButtons::Ok);
}

}  // namespace qel
