#pragma once

#include <optional>
#include <string>

#include "platform/ui.h"

class QFileDialog;
class QWidget;

namespace qel::qt {

enum class PickerKind { Open, Save };

// Sets up dialog from a picker request: the one filter (shown by its description alone),
// title, proposed name, folder and default extension. An open picker offers only existing
// files when the request says so; a save picker always accepts a new name and asks before
// replacing a file when the request says so.
void configurePicker(QFileDialog& dialog, const platform::FilePickerRequest& request,
                     PickerKind kind);

// Runs the picker modally; nothing when cancelled. The commands judge the path's length.
std::optional<std::u16string> runPicker(QWidget* owner, const platform::FilePickerRequest& request,
                                        PickerKind kind);

}  // namespace qel::qt
