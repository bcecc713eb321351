#include "dialogs/workshop_name_check.h"

#include <gtest/gtest.h>

#include <string>

namespace qel {
namespace {

void expectAll(WorkshopNameCheck expected, std::initializer_list<std::u16string_view> names) {
  for (std::u16string_view name : names) {
    EXPECT_EQ(checkWorkshopName(name), expected)
        << "name of " << name.size() << " units starting " << static_cast<int>(name[0]);
  }
}

TEST(CheckWorkshopName, EmptyNamesAreEmpty) {
  expectAll(WorkshopNameCheck::Empty, {u"", std::u16string_view(u"\0abc", 4)});
}

TEST(CheckWorkshopName, AsciiMakerNamesAndTestAreComparedWholeInAnyCase) {
  expectAll(WorkshopNameCheck::Prohibited,
            {u"kdoran", u"KDORAN", u"KDoran", u"k.doran", u"K.DORAN", u"k-doran", u"K-Doran",
             u"test", u"TEST", u"Test", std::u16string_view(u"test\0junk", 9)});
  expectAll(WorkshopNameCheck::Ok, {u"kdoran1", u"KDORAN工房", u"xkdoran", u"test1", u"test ",
                                    u" test", u"テスト", u"ｔｅｓｔ", u"k_doran", u"kdoranx"});
}

TEST(CheckWorkshopName, WideAndKanaMakerNamesAreProhibitedAnywhere) {
  expectAll(WorkshopNameCheck::Prohibited,
            {u"ｋｄｏｒａｎ", u"工房ＫＤＯＲＡＮ", u"aｋ．ｄｏｒａｎb", u"けいどらん工房",
             u"新ケイドラン"});
  // Full-width letters in another case, and the half-width full stop, do not match.
  expectAll(WorkshopNameCheck::Ok, {u"Ｋｄｏｒａｎ", u"ｋ.ｄｏｒａｎ", u"ケイドら", u"けいどラン"});
}

TEST(CheckWorkshopName, JrCompanyNamesNeedHalfWidthJr) {
  expectAll(WorkshopNameCheck::Prohibited, {u"JR北海道", u"JR貨物", u"私のJR東日本工房", u"JR東海",
                                            u"JR西日本", u"JR四国", u"JR九州"});
  expectAll(WorkshopNameCheck::Ok, {u"ＪＲ東日本", u"jr東日本", u"JR", u"JR東", u"東日本"});
}

TEST(CheckWorkshopName, OtherNamesPassUnchanged) {
  expectAll(WorkshopNameCheck::Ok, {u"山田工房", u"   ", u"a", u"😀"});
}

}  // namespace
}  // namespace qel
