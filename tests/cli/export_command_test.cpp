#include <gtest/gtest.h>

#include <filesystem>

#include "cli_test_support.h"
#include "container/container_format.h"

namespace qel {
namespace {

using test::CliFolder;
using test::runCliWith;

namespace fs = std::filesystem;

std::size_t entriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// A folder with a container packed from an OBJ model (a.cnt) and an empty folder out/.
class ExportFolder : public CliFolder {
 public:
  ExportFolder() {
    writeText("car.obj",
              "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 1\nusemtl body\n"
              "f 1/1 2/2 3/1 4/2\nf 1/2 3/1 4/1\n");
    writeText("car.mtl", "newmtl body\nmap_Kd body.png\n");
    write("body.png", test::pngOf(64, 32));
    EXPECT_EQ(runCliWith(packObjArgs("a.cnt", "car.obj")).code, 0);
    fs::create_directory(path() / "out");
  }
};

TEST(ExportCommand, WritesAModelThatConvertsToTheSameBlobAndBothImagesAsStored) {
  ExportFolder folder;
  const auto run = runCliWith({"export", folder.at("a.cnt"), "-o", folder.at("out")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(test::readFile(folder.path() / "out/texture.png"), test::pngOf(64, 32));
  EXPECT_EQ(test::readFile(folder.path() / "out/sideview.png"), test::pngOf(200, 64));

  ContainerRecord record;
  Bytes file = test::readFile(folder.path() / "a.cnt");
  ASSERT_EQ(parseContainerFile(record, file), kSuccess);
  ASSERT_EQ(runCliWith({"convert", folder.at("out/model.obj"), "-o", folder.at("again.blob")}).code,
            0);
  EXPECT_EQ(test::readFile(folder.path() / "again.blob"), record.modelData);
}

TEST(ExportCommand, RefusesEveryTruncationOfAContainerAndWritesNothing) {
  ExportFolder folder;
  const Bytes file = test::readFile(folder.path() / "a.cnt");
  for (std::size_t size = 1; size < file.size(); ++size) {
    folder.write("cut.cnt", Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)));
    const auto run = runCliWith({"export", folder.at("cut.cnt"), "-o", folder.at("out")});
    ASSERT_EQ(run.code, 1) << size;
    ASSERT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  EXPECT_EQ(entriesIn(folder.path() / "out"), 0u);
}

TEST(ExportCommand, RefusesABrokenBlobOrAFileInTheWayAndWritesNothing) {
  ExportFolder folder;
  Bytes blob = test::modelBlobOf(3, 3, 3 * 32);
  blob.insert(blob.end(), {0, 0, 1, 0, 3, 0});  // vertex 3 of 0 to 2
  folder.write("m.bin", blob);
  ASSERT_EQ(runCliWith(folder.packArgs("b.cnt")).code, 0);
  const auto broken = runCliWith({"export", folder.at("b.cnt"), "-o", folder.at("out")});
  EXPECT_EQ(broken.code, 1);
  EXPECT_EQ(broken.err, folder.at("b.cnt") + ": index 2 of the model blob names vertex 3 of 3\n");
  EXPECT_EQ(entriesIn(folder.path() / "out"), 0u);

  folder.writeText("file", "in the way");
  const auto blocked = runCliWith({"export", folder.at("a.cnt"), "-o", folder.at("file")});
  EXPECT_EQ(blocked.code, 1);
  EXPECT_EQ(blocked.err, folder.at("file") + ": a file is in the way of the folder\n");
  const auto under = runCliWith({"export", folder.at("a.cnt"), "-o", folder.at("file/sub")});
  EXPECT_EQ(under.code, 1);
  EXPECT_FALSE(fs::is_directory(folder.path() / "file"));
}

// The OBJ file is written piece by piece apart from the others: a link at its name is
// replaced as theirs are, and the file it named elsewhere is left alone.
TEST(ExportCommand, ReplacesALinkPlantedAtTheModelsNameAndLeavesItsFile) {
  ExportFolder folder;
  folder.write("theirs.obj", test::patterned(10));
  std::error_code error;
  fs::create_symlink(folder.path() / "theirs.obj", folder.path() / "out" / "model.obj", error);
  if (error) GTEST_SKIP() << "no symbolic link can be made here";
  ASSERT_EQ(runCliWith({"export", folder.at("a.cnt"), "-o", folder.at("out")}).code, 0);
  EXPECT_FALSE(fs::is_symlink(folder.path() / "out" / "model.obj"));
  EXPECT_EQ(test::readFile(folder.path() / "theirs.obj"), test::patterned(10));
}

TEST(ExportCommand, MakesAMissingFolderWithItsParents) {
  ExportFolder folder;
  const auto run = runCliWith({"export", folder.at("a.cnt"), "-o", folder.at("new/deep")});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(entriesIn(folder.path() / "new/deep"), 4u);
}

}  // namespace
}  // namespace qel
