#pragma once

#include <QFont>
#include <QStringList>
#include <string_view>

namespace qel::qt {

// Families that carry Japanese glyphs with Japanese shapes, tried after a font's own family
// so that kana and kanji never fall back to a Chinese or Korean variant.
QStringList japaneseFamilies();

// font with the Japanese families appended as fallbacks.
QFont withJapaneseFallback(QFont font);

// The font a dialog template names. A family missing here (the Windows dialog fonts) gives
// way to a Japanese UI font, which is what those names stand for on a Japanese system.
QFont dialogFont(std::u16string_view family, int pointSize);

}  // namespace qel::qt
