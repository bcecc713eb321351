#include <gtest/gtest.h>

#include "app/commands/commands.h"
#include "base/utf.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::CommandBench;

constexpr std::string_view kTriangle =
    "mtllib box.mtl\n"
    "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
    "vt 0 0\nvt 1 0\nvt 0 1\n"
    "usemtl skin\n"
    "f 1/1 2/2 3/3\n";

class ModelCommand : public ::testing::Test {
 protected:
  // An OBJ file whose first material names texture as its PNG.
  std::u16string writeModel(std::string_view texture) {
    folder.writeText("box.mtl", "newmtl skin\nmap_Kd " + std::string(texture) + "\n");
    return folder.writeText("box.obj", kTriangle);
  }
  test::TempFolder folder;
  CommandBench bench;
};

TEST_F(ModelCommand, SetsModelAndTextureTogetherWithoutAFileBesideTheModel) {
  const Bytes png = test::pngOf(64, 32, 40);
  folder.write("skin.png", png);
  bench.ui.choose(writeModel("skin.png"));
  bench.run(loadModelFile);
  ASSERT_TRUE(bench.record().modelData.has_value());
  EXPECT_EQ(bench.record().modelVertexCount, 3u);
  EXPECT_EQ(bench.record().textureData, png);
  EXPECT_EQ(bench.record().textureWidth, 64);
  EXPECT_EQ(bench.record().textureHeight, 32);
  EXPECT_EQ(bench.ui.repaintCount, 1);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "box.tmp"));

  ASSERT_EQ(bench.ui.pickers.size(), 1u);
  EXPECT_EQ(bench.ui.pickers[0].request.filterPattern, u"*.obj");
}

TEST_F(ModelCommand, ARefusedModelChangesNothingAndShowsNothing) {
  *bench.app.record = test::readyRecord();
  folder.write("huge.png", test::pngOf(257, 1));
  bench.ui.choose(writeModel("huge.png")).choose(folder.file("missing.obj")).cancelPicker();
  for (int i = 0; i < 3; ++i) bench.run(loadModelFile);
  EXPECT_EQ(bench.record().modelData, test::readyRecord().modelData);
  EXPECT_EQ(bench.record().textureData, test::readyRecord().textureData);
  EXPECT_TRUE(bench.ui.messageBoxes.empty());
  EXPECT_EQ(bench.ui.repaintCount, 0);
}

}  // namespace
}  // namespace qel
