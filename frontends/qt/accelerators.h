#pragma once

#include <QString>
#include <Qt>
#include <vector>

#include "app/keyboard_accelerators.h"

namespace qel::qt {

// The strokes one key press stands for, as Windows reports a press twice: as its virtual key
// (letters and digits by their capital, which Qt's key codes share) and as the character it
// types. Qt gives punctuation its character as the key, and text the character typed.
std::vector<KeyStroke> keyStrokesOf(int qtKey, Qt::KeyboardModifiers modifiers,
                                    const QString& text);

}  // namespace qel::qt
