#include <gtest/gtest.h>

#include "app/commands/commands.h"
#include "resources/resources.h"
#include "tests/support/shell_fixtures.h"

namespace qel {
namespace {

using test::CommandBench;
using test::TypeText;

TEST(EditContainerName, KeepsTheTwentySixUnitsItsHelpTextPromises) {
  CommandBench bench;
  const std::u16string thirty(30, u'名');
  bench.ui.pressOk({TypeText{resources::kContainerNameField, thirty}});
  bench.run(editContainerName);
  EXPECT_EQ(bench.record().containerName.view(), thirty.substr(0, 26));
  ASSERT_EQ(bench.ui.dialogs.size(), 1u);
  EXPECT_EQ(bench.ui.dialogs[0].templateId, resources::kContainerNameDialog);
  EXPECT_EQ(bench.ui.dialogs[0].owner, bench.ui.window());
  EXPECT_EQ(bench.ui.repaintCount, 1);
}

TEST(EditContainerName, ALongerNameFromAFileIsShownWholeAndCutOnlyWhenConfirmed) {
  CommandBench bench;
  const std::u16string full(31, u'x');
  bench.record().containerName.assign(full);
  bench.ui.pressCancel().pressOk();
  bench.run(editContainerName);
  EXPECT_EQ(bench.ui.dialogs[0].textsAtOpen.at(resources::kContainerNameField), full);
  EXPECT_EQ(bench.record().containerName.view(), full);
  EXPECT_EQ(bench.ui.repaintCount, 0);

  bench.run(editContainerName);
  EXPECT_EQ(bench.record().containerName.view(), full.substr(0, 26));
  EXPECT_EQ(bench.ui.repaintCount, 1);
}

TEST(EditContainerName, AnEmptyFieldStoresAnEmptyName) {
  CommandBench bench;
  bench.record().containerName.assign(u"名前");
  bench.ui.pressOk({TypeText{resources::kContainerNameField, u""}});
  bench.run(editContainerName);
  EXPECT_TRUE(bench.record().containerName.empty());
}

}  // namespace
}  // namespace qel
