#include "app/recent_files.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/commands/commands.h"
#include "container/container_format.h"
#include "dialogs/workshop_name_store.h"
#include "resources/menu_command.h"
#include "resources/shell_texts.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

std::u16string valueName(int number) {
  return u"recent" + std::u16string(1, static_cast<char16_t>(u'0' + number));
}

std::optional<std::u16string> stored(test::MemorySettingsStore& settings, int number) {
  return settings.readString(platform::kSettingsKeyPath, valueName(number));
}

TEST(RecentFiles, OpenedAndSavedPartsAreListedNewestFirstAtMostEightAndKeptInTheSettings) {
  test::TempFolder folder;
  test::CommandBench bench;
  for (int number = 1; number <= 8; ++number) {
    bench.settings.put(platform::kSettingsKeyPath, valueName(number),
                       folder.file("old" + std::to_string(number) + ".cnt"));
  }
  loadRecentFiles(bench.app);
  bench.record() = test::readyRecord();
  const std::u16string saved = folder.file("a&b.cnt");
  bench.ui.choose(saved);
  bench.run(saveContainer);

  ASSERT_EQ(bench.ui.menuList.size(), 8u);
  EXPECT_EQ(bench.ui.menuListBefore, commandId(MenuCommand::Exit));
  EXPECT_EQ(bench.ui.menuList[0].command, kFirstRecentFileCommand);
  EXPECT_EQ(bench.ui.menuList[0].caption, u"&1 " + folder.file("a&&b.cnt"));
  EXPECT_EQ(bench.ui.menuList[7].caption, u"&8 " + folder.file("old7.cnt"));
  EXPECT_EQ(stored(bench.settings, 1), saved);
  EXPECT_EQ(stored(bench.settings, 8), folder.file("old7.cnt"));

  // Opened again from the list, it stays first and once.
  const std::u16string other = folder.write("b.cnt", *serializeContainerBytes(bench.record(), 1));
  bench.ui.choose(other);
  bench.run(openContainer);
  bench.run([](AppState& app, platform::WindowHandle window) { openRecentFile(app, window, 1); });
  EXPECT_EQ(bench.app.recentFiles[0], saved);
  EXPECT_EQ(bench.app.recentFiles[1], other);
  EXPECT_EQ(bench.app.recentFiles.size(), 8u);

  test::CommandBench nextStart;
  nextStart.settings = bench.settings;
  loadRecentFiles(nextStart.app);
  EXPECT_EQ(nextStart.app.recentFiles, bench.app.recentFiles);
}

// The word comes before the unsaved-changes question, which only a file that is there gets.
TEST(RecentFiles, AFileThatIsGoneIsSaidAndTakenOffTheList) {
  test::TempFolder folder;
  const std::u16string gone = folder.file("gone.cnt");
  const std::u16string there =
      folder.write("there.cnt", *serializeContainerBytes(test::readyRecord(), 1));
  test::ScriptedUi ui;
  test::MemorySettingsStore settings;
  settings.put(platform::kSettingsKeyPath, kWorkshopNameValue, u"工房");
  settings.put(platform::kSettingsKeyPath, valueName(1), gone);
  settings.put(platform::kSettingsKeyPath, valueName(2), there);
  ui.menu(MenuCommand::SetContainerName)
      .pressOk({test::TypeText{resources::kContainerNameField, u"箱"}});
  ui.sendCommand(kFirstRecentFileCommand);
  ui.sendCommand(kFirstRecentFileCommand).pressChoice(1);  // 保存しない
  EXPECT_EQ(runApplication(ui, settings), 0);

  ASSERT_EQ(ui.messageBoxes.size(), 1u);
  EXPECT_EQ(ui.messageBoxes[0].text, resources::recentFileMissingText(gone));
  EXPECT_EQ(ui.choices.size(), 1u);  // the unsaved-changes question
  EXPECT_EQ(ui.textAt(128, 0), there);
  ASSERT_EQ(ui.menuList.size(), 1u);
  EXPECT_EQ(stored(settings, 1), there);
  EXPECT_EQ(stored(settings, 2), u"");
}

}  // namespace
}  // namespace qel
