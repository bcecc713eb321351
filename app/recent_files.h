#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "app/app_state.h"

namespace qel {

// The containers last opened or saved, at most eight and the newest first, kept in the
// settings store and listed at the end of the File menu before its exit item. A failure of
// the store is not reported: the list in memory and in the menu still follows.

// Reads the stored list into app.
void loadRecentFiles(AppState& app);
// Puts path first (taking it off where it stood), stores the list and lists it.
void rememberRecentFile(AppState& app, platform::WindowHandle window, std::u16string_view path);
// Takes path off, stores the list and lists it.
void forgetRecentFile(AppState& app, platform::WindowHandle window, std::u16string_view path);
// Lists app's recent files in the File menu of window.
void listRecentFiles(const AppState& app, platform::WindowHandle window);

// The entry of the list that command opens; nothing for any other command.
std::optional<std::size_t> recentFileIndex(int command);

}  // namespace qel
