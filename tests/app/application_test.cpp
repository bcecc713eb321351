#include "app/application.h"

#include <gtest/gtest.h>

#include "container/container_format.h"
#include "dialogs/workshop_name_store.h"
#include "resources/resources.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::TypeText;

constexpr std::u16string_view kRefused = u"この名前は設定できません。";

class Application : public ::testing::Test {
 protected:
  int run() { return runApplication(ui, settings); }
  void storeName(std::u16string_view name) {
    settings.put(platform::kSettingsKeyPath, kWorkshopNameValue, name);
  }
  std::optional<std::u16string> storedName() {
    return settings.readString(platform::kSettingsKeyPath, kWorkshopNameValue);
  }

  test::ScriptedUi ui;
  test::MemorySettingsStore settings;
};

TEST_F(Application, FirstStartRefusesEmptyAndProhibitedNamesUntilAnAllowedOneIsGiven) {
  ui.pressOk({TypeText{resources::kWorkshopNameField, u""}})
      .pressOk({TypeText{resources::kWorkshopNameField, u"JR東日本の工房"}})
      .pressOk({TypeText{resources::kWorkshopNameField, u"ノルカ工房"}});
  EXPECT_EQ(run(), 0);

  ASSERT_EQ(ui.dialogs.size(), 3u);
  for (const test::DialogCall& dialog : ui.dialogs) {
    EXPECT_EQ(dialog.templateId, resources::kWorkshopNameDialog);
    EXPECT_EQ(dialog.owner, nullptr);
  }
  EXPECT_EQ(ui.dialogs[0].textsAtOpen.at(resources::kWorkshopNameField), u"");
  EXPECT_EQ(ui.dialogs[2].textsAtOpen.at(resources::kWorkshopNameField),
            u"JR東日本の工房");  // the rejected text again
  ASSERT_EQ(ui.messageBoxes.size(), 2u);
  for (const test::MessageBoxCall& box : ui.messageBoxes) {
    EXPECT_EQ(box.text, kRefused);
    EXPECT_EQ(box.caption, u"設定");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.buttons, platform::MessageBoxButtons::Ok);
  }
  EXPECT_EQ(storedName(), u"ノルカ工房");
  EXPECT_EQ(settings.writeCount, 1);
  EXPECT_EQ(ui.textAt(96, 40), u"ノルカ工房");
}

TEST_F(Application, CancellingTheFirstPromptEndsWithZeroAndWritesNothing) {
  ui.pressOk({TypeText{resources::kWorkshopNameField, u"test"}})
      .pressCancel({TypeText{resources::kWorkshopNameField, u"工房"}});
  EXPECT_EQ(run(), 0);
  EXPECT_FALSE(ui.mainWindow.has_value());
  EXPECT_EQ(settings.writeCount, 0);
  EXPECT_EQ(ui.messageBoxes.size(), 1u);
}

TEST_F(Application, AStoredNameIsUsedWithoutAskingEvenWhenItWouldBeRefused) {
  storeName(u"TEST");
  EXPECT_EQ(run(), 0);
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_EQ(ui.textAt(96, 40), u"TEST");
  EXPECT_EQ(settings.writeCount, 0);
}

TEST_F(Application, AStoredNameLongerThanAWorkshopNameCountsAsNone) {
  storeName(std::u16string(16, u'x'));
  ui.pressCancel();
  EXPECT_EQ(run(), 0);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].textsAtOpen.at(resources::kWorkshopNameField), u"");
}

TEST_F(Application, WindowThatCannotBeCreatedEndsStartUpWithZero) {
  storeName(u"工房");
  ui.failWindowCreation = true;
  EXPECT_EQ(run(), 0);
  EXPECT_FALSE(ui.windowDestroyed);
}

TEST_F(Application, ExitItemAndCloseBoxEndWithZeroAskingOnlyAfterChanges) {
  storeName(u"工房");
  ui.menu(MenuCommand::SetContainerName)
      .pressOk({TypeText{resources::kContainerNameField, u"変更あり"}});
  ui.menu(MenuCommand::Exit).pressChoice(1);  // 保存しない
  EXPECT_EQ(run(), 0);
  EXPECT_TRUE(ui.windowDestroyed);
  EXPECT_EQ(ui.choices.size(), 1u);
  EXPECT_TRUE(ui.scriptFinished());

  test::ScriptedUi closing;
  closing.closeWindow();
  EXPECT_EQ(runApplication(closing, settings), 0);
  EXPECT_TRUE(closing.windowDestroyed);
  EXPECT_TRUE(closing.messageBoxes.empty());
}

// A file named on the command line opens after the workshop-name prompt: a container as the
// open command opens it, a model as set model sets it, a missing file with its reason.
TEST_F(Application, OpensTheFileNamedOnTheCommandLineAfterThePrompt) {
  test::TempFolder folder;
  const std::u16string part =
      folder.write("part.cnt", *serializeContainerBytes(test::readyRecord(), 1));
  ui.pressOk({TypeText{resources::kWorkshopNameField, u"工房"}});
  EXPECT_EQ(runApplication(ui, settings, part), 0);
  EXPECT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.textAt(128, 0), part);

  folder.writeText("box.mtl", "newmtl skin\nmap_Kd skin.png\n");
  folder.write("skin.png", test::pngOf(8, 8));
  const std::u16string model = folder.writeText(
      "box.obj", "mtllib box.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl skin\nf 1 2 3\n");
  test::ScriptedUi second;
  EXPECT_EQ(runApplication(second, settings, model), 0);
  EXPECT_EQ(second.textAt(96, 160), u"  Vertex 3");

  test::ScriptedUi missing;
  EXPECT_EQ(runApplication(missing, settings, folder.file("gone.cnt")), 0);
  ASSERT_EQ(missing.messageBoxes.size(), 1u);
  EXPECT_EQ(missing.messageBoxes[0].text.rfind(u"このファイルは開けません。", 0), 0u);
}

}  // namespace
}  // namespace qel
