#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <vector>

#include "app/keyboard_accelerators.h"

namespace qel::qt {

// The strokes one key press stands for, as Windows reports a press twice: as its virtual key
// (letters and digits by their capital, which Qt's key codes share) and as the character it
// types. Qt gives punctuation its character as the key, and text the character typed.
std::vector<KeyStroke> keyStrokesOf(int qtKey, Qt::KeyboardModifiers modifiers,
                                    const QString& text);

// The Windows virtual-key code of a key the preview pane may take: letters and digits (by
// their capital, which Qt's codes share) and Home.
std::optional<int> virtualKeyOf(int qtKey);

}  // namespace qel::qt
