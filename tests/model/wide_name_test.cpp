#include "model/wide_name.h"

#include <gtest/gtest.h>

#include "model/info_message.h"
#include "tests/model/model_fixtures.h"

namespace qel {
namespace {

TEST(ToWideName, ConvertsCodePage932) {
  EXPECT_EQ(toWideName("\x83\x65\x83\x4E\x83\x58\x83\x60\x83\x83\x8E\xD4\xB1.png"),
            u"テクスチャ車ｱ.png");
  EXPECT_EQ(toWideName("\x81\x5C"), u"―");  // a second byte below 0x80
  EXPECT_EQ(toWideName(""), u"");
}

TEST(ToWideName, RefusesNamesLongerThan258Units) {
  EXPECT_EQ(toWideName(std::string(258, 'a'))->size(), 258u);
  EXPECT_FALSE(toWideName(std::string(259, 'a')));
  std::string kanji;
  for (int i = 0; i < 259; ++i) kanji += "\x88\x9F";  // two bytes a unit
  EXPECT_FALSE(toWideName(kanji));
  kanji.resize(258 * 2);
  EXPECT_EQ(toWideName(kanji)->size(), 258u);
}

TEST(InfoMessages, CutTextsTo1023UnitsAndConvertAnsiText) {
  test::RecordingSink sink;
  showInfoMessage(sink, std::u16string(2000, u'x'));
  showInfoMessageAnsi(sink, "[\x8E\xD4]");
  showInfoMessageAnsi(sink, std::string(1100, 'y'));
  ASSERT_EQ(sink.texts.size(), 3u);
  EXPECT_EQ(sink.texts[0].size(), 1023u);
  EXPECT_EQ(sink.texts[1], u"[車]");
  EXPECT_EQ(sink.texts[2], std::u16string(1023, u'y'));
}

}  // namespace
}  // namespace qel
