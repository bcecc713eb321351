#pragma once

#include <array>
#include <string_view>

namespace qel::resources {

// Names that no workshop may sign with: whole names, compared without regard to ASCII case,
// and words that may stand nowhere in a name.
inline constexpr std::array<std::u16string_view, 4> kProhibitedWholeNames = {u"kdoran", u"k.doran",
                                                                             u"k-doran", u"test"};
inline constexpr std::array<std::u16string_view, 12> kProhibitedWords = {
    u"ｋｄｏｒａｎ", u"ＫＤＯＲＡＮ", u"ｋ．ｄｏｒａｎ", u"けいどらん", u"ケイドラン", u"JR北海道",
    u"JR貨物",       u"JR東日本",     u"JR東海",         u"JR西日本",   u"JR四国",     u"JR九州"};

}  // namespace qel::resources
