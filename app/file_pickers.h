#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "platform/ui.h"

namespace qel {

// What a file picker shows: one filter pair, a title and the extension given to a name
// typed without one.
struct PickerText {
  std::u16string_view filterDescription;
  std::u16string_view filterPattern;
  std::u16string_view title;
  std::u16string_view defaultExtension;
};

// An open picker offers existing files only; it starts with no name.
platform::FilePickerRequest openPickerRequest(platform::WindowHandle owner, const PickerText& text);

// The path chosen in an open picker; nothing when cancelled, or (said in a box with caption)
// when it is longer than a path buffer holds.
std::optional<std::u16string> pickOpenPath(AppState& app,
                                           const platform::FilePickerRequest& request,
                                           std::u16string_view caption);

// The path chosen in a save picker; nothing when cancelled, or (said in a box with caption)
// when it is longer than a path buffer holds.
std::optional<std::u16string> pickSavePath(AppState& app,
                                           const platform::FilePickerRequest& request,
                                           std::u16string_view caption);

// A save picker asks before replacing a file. It does not demand an existing file: saving
// under a new name must work on every platform. proposedPath fills its name field.
platform::FilePickerRequest savePickerRequest(platform::WindowHandle owner, const PickerText& text,
                                              std::u16string_view proposedPath = {});

}  // namespace qel
