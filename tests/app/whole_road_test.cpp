#include <gtest/gtest.h>

#include "app/application.h"
#include "dialogs/workshop_name_store.h"
#include "resources/resources.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::TypeText;

constexpr KeyStroke kCtrlS{u'S', false, false, true, false};
constexpr KeyStroke kCtrlO{u'O', false, false, true, false};

// From the first start to a saved part, then a second start that opens it again.
TEST(WholeRoad, APartBuiltFromTheMenuIsSavedAndOpensAgainAsItWasShown) {
  test::TempFolder folder;
  folder.write("skin.png", test::pngOf(128, 64, 20));
  folder.writeText("car.mtl", "newmtl skin\nmap_Kd skin.png\n");
  const std::u16string obj = folder.writeText(
      "car.obj", "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl skin\nf 1 2 3\n");
  const std::u16string side = folder.write("side.png", test::pngOf(200, 50, 9));
  const std::u16string wide = folder.write("wide.png", test::pngOf(512, 512));
  const std::u16string saved = folder.file("car.cnt");
  test::MemorySettingsStore settings;

  test::ScriptedUi first;
  first.pressOk({TypeText{resources::kWorkshopNameField, u"みどり工房"}});
  first.menu(MenuCommand::SetContainerName)
      .pressOk({TypeText{resources::kContainerNameField, u"自動車M 乗用車"}});
  first.menu(MenuCommand::SetParameters)
      .pressOk({test::ChooseEntry{resources::kTypeList, u"自動車M"},
                TypeText{resources::kLengthField, u"4500"},
                TypeText{resources::kDescriptionField, u"青い乗用車"}});
  first.menu(MenuCommand::SetModel).choose(obj).pressChoice(1);  // kept 1 mm long
  first.press(kCtrlS);                                // refused before the picker: no side view yet
  first.menu(MenuCommand::SetSideView).choose(wide);  // refused with its size
  first.menu(MenuCommand::SetSideView).choose(side);
  first.press(kCtrlS).choose(saved);
  EXPECT_EQ(runApplication(first, settings), 0);
  EXPECT_TRUE(first.scriptFinished());
  ASSERT_EQ(first.messageBoxes.size(), 2u);
  EXPECT_EQ(first.messageBoxes[0].text,
            u"保存できません。サイドビューが設定されていません。\n"
            u"「設定」メニューで設定してから、もう一度保存してください。");
  EXPECT_EQ(first.messageBoxes[1].text,
            u"このファイルは使用できません。\n"
            u"画像の大きさが512×512ピクセルです。使用できるのは256×256ピクセルまでです。\n"
            u"画像を縮小してから、もう一度設定してください。");
  EXPECT_EQ(first.textAt(128, 0), saved);
  EXPECT_EQ(first.textAt(96, 100), u"自動車M");
  EXPECT_EQ(first.textAt(96, 160), u"  Vertex 3");
  EXPECT_EQ(first.textAt(96, 300), u"  DX 200");

  test::ScriptedUi second;
  second.press(kCtrlO).choose(saved);
  EXPECT_EQ(runApplication(second, settings), 0);
  EXPECT_TRUE(second.dialogs.empty());  // the name was stored at the first start
  EXPECT_EQ(second.screen, first.screen);
}

}  // namespace
}  // namespace qel
