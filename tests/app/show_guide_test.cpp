#include <gtest/gtest.h>

#include <filesystem>

#include "app/commands/commands.h"
#include "base/utf.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

// The guide of an installation on Linux, found from the program's bin folder.
TEST(ShowGuide, OpensTheFirstGuideFoundFromTheProgramsFolderAndSaysWhenThereIsNone) {
  test::TempFolder folder;
  std::filesystem::create_directories(folder.path() / "bin");
  std::filesystem::create_directories(folder.path() / "share/doc/qelcontainer/guide");
  const std::u16string guide =
      folder.writeText("share/doc/qelcontainer/guide/guide-ja.html", "<html></html>");
  test::CommandBench bench;
  bench.ui.programFolderPath = folder.file("bin") + u"/";
  bench.run(showGuide);
  ASSERT_EQ(bench.ui.browserPages.size(), 1u);
  EXPECT_EQ(std::filesystem::canonical(test::utf8Path(toUtf8(bench.ui.browserPages[0]))),
            std::filesystem::canonical(test::utf8Path(toUtf8(guide))));
  EXPECT_TRUE(bench.ui.messageBoxes.empty());

  const test::TempFolder empty;
  bench.ui.programFolderPath = empty.file("bin") + u"/";
  bench.run(showGuide);
  EXPECT_EQ(bench.ui.browserPages.size(), 1u);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 1u);
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"使い方");
}

}  // namespace
}  // namespace qel
