#include <gtest/gtest.h>

#include <filesystem>

#include "app/application.h"
#include "app/command_table.h"
#include "app/keyboard_accelerators.h"
#include "app/main_window.h"
#include "base/utf.h"
#include "dialogs/workshop_name_store.h"
#include "resources/resources.h"
#include "tests/support/allocation_limit.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

KeyStroke ctrl(char16_t key) {
  return {key, false, false, true, false};
}
KeyStroke alt(char16_t character) {
  return {character, true, false, false, true};
}

class Dispatch : public ::testing::Test {
 protected:
  Dispatch() { settings.put(platform::kSettingsKeyPath, kWorkshopNameValue, u"工房"); }

  // Runs the program up to the first thing a command shows, cancels it and tells what it
  // was: enough to tell the commands apart.
  std::u16string firstSight(void (*reach)(test::ScriptedUi&)) {
    test::ScriptedUi ui;
    reach(ui);
    EXPECT_EQ(runApplication(ui, settings), 0);
    if (!ui.messageBoxes.empty()) return u"box:" + ui.messageBoxes[0].text;
    if (!ui.pickers.empty()) return u"picker:" + ui.pickers[0].request.title;
    return u"nothing";
  }

  test::MemorySettingsStore settings;
};

TEST_F(Dispatch, AcceleratorsRunTheCommandsOfTheirMenuItems) {
  EXPECT_EQ(firstSight([](auto& ui) { ui.press(ctrl(u'N')).answer(platform::kIdCancel); }),
            u"box:データを初期化しますか？");
  EXPECT_EQ(
      firstSight([](auto& ui) { ui.menu(MenuCommand::NewContainer).answer(platform::kIdCancel); }),
      u"box:データを初期化しますか？");
  EXPECT_EQ(firstSight([](auto& ui) { ui.press(ctrl(u'O')).cancelPicker(); }),
            u"picker:コンテナファイルを開く");
  EXPECT_EQ(firstSight([](auto& ui) { ui.menu(MenuCommand::OpenContainer).cancelPicker(); }),
            u"picker:コンテナファイルを開く");
  // An empty part is refused before the picker opens.
  const std::u16string incomplete =
      u"box:保存できません。次の項目が設定されていません。\n・コンテナ名\n・3Dモデル\n"
      u"・テクスチャー\n・サイドビュー\n「設定」メニューで設定してから、もう一度保存してください。";
  EXPECT_EQ(firstSight([](auto& ui) { ui.press(ctrl(u'S')).answer(platform::kIdOk); }), incomplete);
  EXPECT_EQ(
      firstSight([](auto& ui) { ui.menu(MenuCommand::SaveContainer).answer(platform::kIdOk); }),
      incomplete);
}

TEST_F(Dispatch, AltSlashAndAltQuestionMarkOpenTheAboutBoxLikeItsMenuItem) {
  for (char16_t character : {u'/', u'?'}) {
    test::ScriptedUi ui;
    ui.press(alt(character)).pressCancel();
    ui.menu(MenuCommand::About).pressOk();
    EXPECT_EQ(runApplication(ui, settings), 0);
    ASSERT_EQ(ui.dialogs.size(), 2u);
    for (const test::DialogCall& dialog : ui.dialogs) {
      EXPECT_EQ(dialog.templateId, resources::kAboutDialog);
      EXPECT_EQ(dialog.owner, ui.window());
    }
    EXPECT_EQ(ui.dialogs[0].result, platform::kIdCancel);
    EXPECT_EQ(ui.dialogs[1].result, platform::kIdOk);
    EXPECT_EQ(ui.repaintCount, 0);
  }
}

TEST_F(Dispatch, KeysOutsideTheTableDoNothing) {
  test::ScriptedUi ui;
  ui.press({u'S', false, true, true, false})  // Ctrl+Shift+S
      .press({u'S', false, false, false, false})
      .press({u'/', true, false, false, false})  // "/" without Alt
      .press({u'O', false, false, true, true});  // Ctrl+Alt+O
  EXPECT_EQ(runApplication(ui, settings), 0);
  EXPECT_TRUE(ui.commandsHandled.empty());
  EXPECT_TRUE(ui.pickers.empty());
  EXPECT_TRUE(ui.messageBoxes.empty());
}

TEST_F(Dispatch, IdentifiersOutsideTheMenuAreLeftToTheDefaultHandling) {
  test::ScriptedUi ui;
  ui.sendCommand(32779).sendCommand(32780).sendCommand(32795).sendCommand(0).sendCommand(106);
  EXPECT_EQ(runApplication(ui, settings), 0);
  EXPECT_EQ(ui.commandsHandled, std::vector<bool>(5, false));
  EXPECT_TRUE(ui.pickers.empty() && ui.messageBoxes.empty() && ui.dialogs.empty());
  EXPECT_EQ(ui.repaintCount, 0);
}

// Running out of memory is caught where commands are dispatched: one box, nothing changed,
// and the program goes on.
TEST(CommandDispatch, RunningOutOfMemoryChangesNothingAndTheProgramGoesOn) {
  test::TempFolder folder;
  test::CommandBench bench;
  MainWindow window(bench.app);
  ContainerRecord& record = bench.record();
  record = test::readyRecord();
  record.sideViewData = test::pngOf(64, 32, 2 << 20);
  record.makerName.assign(u"前の工房");
  record.createdTime = 5;
  const ContainerRecord before = record;
  const std::u16string saved = folder.file("big.cnt");
  const std::u16string large = folder.write("large.cnt", Bytes(2 << 20));
  // The save runs out before its picker opens.
  bench.ui.choose(large).choose(saved);
  {
    test::AllocationLimit limit(512 << 10);  // below the pieces that save and open use
    EXPECT_TRUE(window.onCommand(bench.ui.window(), commandId(MenuCommand::SaveContainer)));
    EXPECT_TRUE(window.onCommand(bench.ui.window(), commandId(MenuCommand::OpenContainer)));
  }
  EXPECT_EQ(record, before);
  EXPECT_FALSE(std::filesystem::exists(toUtf8(saved)));
  EXPECT_TRUE(bench.app.document.path().empty());
  ASSERT_EQ(bench.ui.messageBoxes.size(), 2u);
  EXPECT_EQ(bench.ui.messageBoxes[0].text, u"メモリが足りません。何も変更していません。");
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"コンテナを保存");
  EXPECT_EQ(bench.ui.messageBoxes[1].caption, u"コンテナを開く");

  EXPECT_TRUE(window.onCommand(bench.ui.window(), commandId(MenuCommand::SaveContainer)));
  EXPECT_TRUE(std::filesystem::exists(toUtf8(saved)));
}

TEST(CommandTable, EveryMenuItemAndAcceleratorHasAHandler) {
  for (const resources::Menu& menu : resources::findMenu(resources::kMainMenu)) {
    for (const resources::MenuItem& item : menu.items) {
      if (item.command == 0) continue;  // separator
      EXPECT_NE(findCommand(item.command), nullptr) << item.command;
    }
  }
  for (const resources::Accelerator& entry :
       resources::findAccelerators(resources::kAcceleratorTable)) {
    EXPECT_NE(findCommand(entry.command), nullptr) << entry.command;
  }
}

}  // namespace
}  // namespace qel
