#include <gtest/gtest.h>

#include "app/commands/commands.h"
#include "base/utf.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

TEST(CheckFiles, SaysEveryProblemOfTheChosenModelAndLeavesThePartAsItWas) {
  const test::TempFolder folder;
  const std::u16string model =
      folder.writeText("bad.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 9\nf 1 2\n");
  test::CommandBench bench;
  bench.ui.choose(model);
  bench.run(checkFiles);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 1u);
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"ファイルを確認");
  const std::u16string& text = bench.ui.messageBoxes[0].text;
  EXPECT_TRUE(text.starts_with(u"エラーが")) << toUtf8(text);
  EXPECT_NE(
      text.find(u"・【エラー】bad.obj 4行目：面が、ファイルにない頂点の座標の番号を指しています。"),
      std::u16string::npos)
      << toUtf8(text);
  EXPECT_NE(text.find(u"・【警告】bad.obj 5行目："), std::u16string::npos) << toUtf8(text);
  EXPECT_FALSE(bench.app.document.record().modelData);
}

}  // namespace
}  // namespace qel
