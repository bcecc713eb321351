#include "app/unsaved_changes.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/application.h"
#include "app/commands/commands.h"
#include "base/utf.h"
#include "container/container_file.h"
#include "resources/menu_command.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::TypeText;

constexpr std::u16string_view kCloseQuestion =
    u"コンテナ「箱」の変更が保存されていません。\n終了する前に保存しますか？";

// The program run from its start: the stored workshop name, a part renamed to 箱, then
// the window's close box answered with the button at choice.
struct RenamedThenClosed {
  explicit RenamedThenClosed(int choice) {
    settings.writeString(u"Software\\K.DORAN\\APP\\QELCONTAINER", u"maker", u"工房");
    ui.menu(MenuCommand::SetContainerName)
        .pressOk({TypeText{resources::kContainerNameField, u"箱"}});
    ui.closeWindow().pressChoice(choice);
  }
  test::ScriptedUi ui;
  test::MemorySettingsStore settings;
};

TEST(UnsavedChanges, ClosingAfterAChangeAsksAndEachAnswerDoesWhatItSays) {
  RenamedThenClosed discarded(1);  // 保存しない
  EXPECT_EQ(runApplication(discarded.ui, discarded.settings), 0);
  ASSERT_EQ(discarded.ui.choices.size(), 1u);
  EXPECT_EQ(discarded.ui.choices[0].text, kCloseQuestion);
  EXPECT_EQ(discarded.ui.choices[0].buttons,
            (std::vector<std::u16string>{u"保存する(&S)", u"保存しない(&N)", u"キャンセル"}));
  EXPECT_TRUE(discarded.ui.scriptFinished());

  // キャンセル keeps the window: the command after it still runs.
  RenamedThenClosed cancelled(2);
  cancelled.ui.menu(MenuCommand::SetContainerName).pressCancel();
  EXPECT_EQ(runApplication(cancelled.ui, cancelled.settings), 0);
  EXPECT_EQ(cancelled.ui.dialogs.size(), 2u);

  // 保存 of a part that cannot be saved yet says why and keeps the window.
  RenamedThenClosed refused(0);
  refused.ui.menu(MenuCommand::SetContainerName).pressCancel();
  EXPECT_EQ(runApplication(refused.ui, refused.settings), 0);
  ASSERT_EQ(refused.ui.messageBoxes.size(), 1u);
  EXPECT_EQ(refused.ui.messageBoxes[0].text.rfind(u"保存できません。", 0), 0u);
  EXPECT_EQ(refused.ui.dialogs.size(), 2u);
}

TEST(UnsavedChanges, SaveOpenAndNewLeaveNothingToAskAbout) {
  test::TempFolder folder;
  test::CommandBench bench;
  bench.app.document.startNew(bench.app.workshopName.view());
  EXPECT_FALSE(bench.app.document.hasUnsavedChanges());
  bench.record() = test::readyRecord();
  EXPECT_TRUE(bench.app.document.hasUnsavedChanges());

  const std::u16string saved = folder.file("a.cnt");
  bench.ui.choose(saved);
  bench.run(saveContainer);
  EXPECT_FALSE(bench.app.document.hasUnsavedChanges());

  bench.record().containerName.assign(u"別名");
  bench.ui.pressChoice(1).choose(saved);  // the question, then the open picker
  bench.run(openContainer);
  ASSERT_EQ(bench.ui.choices.size(), 1u);
  EXPECT_NE(bench.ui.choices[0].text.find(u"別のファイルを開く前に"), std::u16string::npos);
  EXPECT_FALSE(bench.app.document.hasUnsavedChanges());
  EXPECT_EQ(bench.record().containerName, test::readyRecord().containerName);

  bench.ui.answer(platform::kIdOk);
  bench.run(newContainer);
  EXPECT_FALSE(bench.app.document.hasUnsavedChanges());
  bench.run(exitProgram);
  EXPECT_EQ(bench.ui.choices.size(), 1u) << "nothing asked at exit";
}

TEST(UnsavedChanges, SavingFromTheQuestionWritesTheFileAndCloses) {
  test::TempFolder folder;
  test::CommandBench bench;
  bench.app.document.startNew(bench.app.workshopName.view());
  bench.record() = test::readyRecord();
  const std::u16string saved = folder.file("kept.cnt");
  bench.ui.pressChoice(0).choose(saved);
  bench.run(exitProgram);
  EXPECT_TRUE(std::filesystem::exists(toUtf8(saved)));
  EXPECT_FALSE(bench.app.document.hasUnsavedChanges());
}

}  // namespace
}  // namespace qel
