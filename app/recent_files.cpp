#include "app/recent_files.h"

#include <algorithm>
#include <string>
#include <vector>

#include "resources/menu_command.h"

namespace qel {
namespace {

// recent1 holds the newest.
std::u16string valueName(std::size_t index) {
  const std::string digits = std::to_string(index + 1);
  return u"recent" + std::u16string(digits.begin(), digits.end());
}

void storeAndList(AppState& app, platform::WindowHandle window) {
  for (std::size_t i = 0; i < kRecentFileCount; ++i) {
    app.settings.writeString(platform::kSettingsKeyPath, valueName(i),
                             i < app.recentFiles.size() ? app.recentFiles[i] : u"");
  }
  listRecentFiles(app, window);
}

void takeOff(AppState& app, std::u16string_view path) {
  std::erase_if(app.recentFiles, [&](const std::u16string& entry) { return entry == path; });
}

}  // namespace

void loadRecentFiles(AppState& app) {
  app.recentFiles.clear();
  for (std::size_t i = 0; i < kRecentFileCount; ++i) {
    const auto path = app.settings.readString(platform::kSettingsKeyPath, valueName(i));
    if (path && !path->empty() &&
        std::find(app.recentFiles.begin(), app.recentFiles.end(), *path) == app.recentFiles.end()) {
      app.recentFiles.push_back(*path);
    }
  }
}

void rememberRecentFile(AppState& app, platform::WindowHandle window, std::u16string_view path) {
  takeOff(app, path);
  app.recentFiles.insert(app.recentFiles.begin(), std::u16string(path));
  if (app.recentFiles.size() > kRecentFileCount) app.recentFiles.resize(kRecentFileCount);
  storeAndList(app, window);
}

void forgetRecentFile(AppState& app, platform::WindowHandle window, std::u16string_view path) {
  takeOff(app, path);
  storeAndList(app, window);
}

void listRecentFiles(const AppState& app, platform::WindowHandle window) {
  std::vector<platform::MenuListItem> items;
  for (std::size_t i = 0; i < app.recentFiles.size(); ++i) {
    // The entry's number is its mnemonic; an "&" of the path is shown as it is.
    std::u16string caption = u"&" + std::u16string(1, static_cast<char16_t>(u'1' + i)) + u" ";
    for (const char16_t unit : app.recentFiles[i]) {
      caption += unit;
      if (unit == u'&') caption += u'&';
    }
    items.push_back({kFirstRecentFileCommand + static_cast<int>(i), std::move(caption)});
  }
  app.ui.setMenuList(window, commandId(MenuCommand::Exit), items);
}

std::optional<std::size_t> recentFileIndex(int command) {
  if (command < kFirstRecentFileCommand || command >= kFirstRecentFileCommand + kRecentFileCount) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(command - kFirstRecentFileCommand);
}

}  // namespace qel
