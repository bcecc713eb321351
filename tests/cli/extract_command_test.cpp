#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "container/container_format.h"

namespace qel {
namespace {

using test::CliFolder;
using test::runCliWith;

TEST(ExtractCommand, WritesTheBlocksByteForByte) {
  CliFolder folder;
  ASSERT_EQ(runCliWith(folder.packArgs("a.cnt")).code, 0);
  const auto run = runCliWith({"extract", folder.at("a.cnt"), "--texture", folder.at("t2.png"),
                               "--sideview", folder.at("s2.png"), "--model", folder.at("m2.bin")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(test::readFile(folder.path() / "t2.png"), test::readFile(folder.path() / "t.png"));
  EXPECT_EQ(test::readFile(folder.path() / "s2.png"), test::readFile(folder.path() / "s.png"));
  EXPECT_EQ(test::readFile(folder.path() / "m2.bin"), test::readFile(folder.path() / "m.bin"));
}

TEST(ExtractCommand, RefusesBeforeWritingAnythingWhenABlockIsMissing) {
  CliFolder folder;
  const Bytes plain = test::ChunkSequence()
                          .chunk(kPlainFormMarker, {})
                          .chunk(kModelChunk, test::le32(0))
                          .end()
                          .bytes();
  folder.write("p.cnt", plain);
  const auto run = runCliWith({"extract", folder.at("p.cnt"), "--model", folder.at("m2.bin"),
                               "--sideview", folder.at("s2.png")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, folder.at("p.cnt") + ": holds no side view\n");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "m2.bin"));
  EXPECT_EQ(runCliWith({"extract", folder.at("p.cnt")}).code, 2);
}

}  // namespace
}  // namespace qel
