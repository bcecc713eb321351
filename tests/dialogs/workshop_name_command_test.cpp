#include <gtest/gtest.h>

#include "app/commands/commands.h"
#include "dialogs/workshop_name_store.h"
#include "resources/resources.h"
#include "tests/support/shell_fixtures.h"

namespace qel {
namespace {

using test::CommandBench;
using test::TypeText;

std::optional<std::u16string> stored(test::MemorySettingsStore& settings) {
  return settings.readString(u"Software\\K.DORAN\\APP\\QELCONTAINER", u"maker");
}

TEST(WorkshopNameStore, KeepsTheNameUnderItsKeyAndRefusesOverlongValues) {
  test::MemorySettingsStore settings;
  WorkshopName name(u"old");
  loadWorkshopName(settings, name);
  EXPECT_TRUE(name.empty());

  saveWorkshopName(settings, std::u16string(15, u'n'));
  EXPECT_EQ(stored(settings), std::u16string(15, u'n'));
  loadWorkshopName(settings, name);
  EXPECT_EQ(name.view(), std::u16string(15, u'n'));

  // A value too long for the name is not cut into a different name.
  saveWorkshopName(settings, std::u16string(16, u'n'));
  loadWorkshopName(settings, name);
  EXPECT_TRUE(name.empty());
}

class EditWorkshopName : public ::testing::Test {
 protected:
  EditWorkshopName() {
    bench.record().makerName.assign(u"工房");
    saveWorkshopName(bench.settings, u"工房");
  }
  CommandBench bench;
};

TEST_F(EditWorkshopName, AnAllowedNameIsStoredAppliedAndShown) {
  bench.ui.pressOk(
      {TypeText{resources::kWorkshopNameField, u"新しい工房の名前です"}});  // 10 units: all kept
  bench.run(editWorkshopName);
  ASSERT_EQ(bench.ui.dialogs.size(), 1u);
  EXPECT_EQ(bench.ui.dialogs[0].owner, bench.ui.window());
  EXPECT_EQ(bench.ui.dialogs[0].textsAtOpen.at(resources::kWorkshopNameField), u"工房");
  EXPECT_EQ(bench.app.workshopName.view(), u"新しい工房の名前です");
  EXPECT_EQ(stored(bench.settings), u"新しい工房の名前です");
  EXPECT_EQ(bench.record().makerName.view(), u"新しい工房の名前です");
  EXPECT_EQ(bench.ui.repaintCount, 1);
}

TEST_F(EditWorkshopName, TheFieldRefusesMoreThanItsHelpTextPromises) {
  bench.ui.pressOk({TypeText{resources::kWorkshopNameField, u"ABCDEFGHIJKL"}});
  bench.run(editWorkshopName);
  EXPECT_EQ(bench.app.workshopName.view(), u"ABCDEFGHIJ");
}

TEST_F(EditWorkshopName, AProhibitedNameEndsTheCommandAfterSayingSo) {
  bench.ui.pressOk({TypeText{resources::kWorkshopNameField, u"K.Doran"}});
  bench.run(editWorkshopName);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 1u);
  EXPECT_EQ(bench.ui.messageBoxes[0].text, u"入力した名前は使用が禁止されています。");
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"設定");
  EXPECT_EQ(bench.ui.messageBoxes[0].owner, bench.ui.window());
  EXPECT_EQ(bench.ui.dialogs.size(), 1u);
  EXPECT_EQ(bench.app.workshopName.view(), u"工房");
  EXPECT_EQ(stored(bench.settings), u"工房");
  EXPECT_EQ(bench.ui.repaintCount, 0);
}

TEST_F(EditWorkshopName, AnEmptyNameReopensTheDialogEmpty) {
  bench.ui.pressOk({TypeText{resources::kWorkshopNameField, u""}}).pressCancel();
  bench.run(editWorkshopName);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 1u);
  EXPECT_EQ(bench.ui.messageBoxes[0].text, u"入力が空です。工房名を設定してください。");
  ASSERT_EQ(bench.ui.dialogs.size(), 2u);
  EXPECT_EQ(bench.ui.dialogs[1].textsAtOpen.at(resources::kWorkshopNameField), u"");
  EXPECT_EQ(bench.app.workshopName.view(), u"工房");
  EXPECT_EQ(bench.ui.repaintCount, 0);
}

TEST_F(EditWorkshopName, AfterAPlainFileTheRecordKeepsItsMakerName) {
  bench.app.document.startOpened(bench.app.document.record(), ContainerForm::Plain, u"plain.cnt");
  bench.ui.pressOk({TypeText{resources::kWorkshopNameField, u"別の工房"}});
  bench.run(editWorkshopName);
  EXPECT_EQ(bench.app.workshopName.view(), u"別の工房");
  EXPECT_EQ(bench.record().makerName.view(), u"工房");
  EXPECT_EQ(bench.ui.repaintCount, 1);
}

}  // namespace
}  // namespace qel
