#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>

#include "cli_test_support.h"
#include "container/container_format.h"

namespace qel {
namespace {

using nlohmann::json;
using test::CliFolder;
using test::runCliWith;

json infoJson(const std::string& file) {
  const auto run = runCliWith({"info", file, "--json"});
  EXPECT_EQ(run.code, 0) << run.err;
  return json::parse(run.out);
}

TEST(InfoCommand, JsonOfAPackedFile) {
  CliFolder folder;
  ASSERT_EQ(runCliWith(folder.packArgs("a.cnt", {"--type", "9", "--length", "0.1"})).code, 0);
  const json expected = {
      {"form", "scrambled"},
      {"seed", 4711},
      {"containerName", "コキ"},
      {"makerName", "山田工房"},
      {"description", ""},
      {"typeIndex", 9},
      {"typeName", "20ft"},
      {"lengthMm", 0.1},
      {"createdTime", 1700000000},
      {"reservedValue", 0},
      {"model", {{"size", 80}, {"vertexCount", 36}, {"indexCount", 60}}},
      {"texture", {{"size", 32}, {"width", 256}, {"height", 128}}},
      {"sideView",
       {{"size", 32}, {"width", 200}, {"height", 64}, {"reserved1", 0}, {"reserved2", 0}}},
  };
  EXPECT_EQ(infoJson(folder.at("a.cnt")), expected);
}

using test::le32;

TEST(InfoCommand, JsonOfAPlainFileWithOddValues) {
  CliFolder folder;
  const Bytes model = test::concat({le32(100), le32(274), le32(5)});  // no index count
  const Bytes chunks =
      test::ChunkSequence()
          .chunk(kPlainFormMarker, {})
          .chunk(kTypeChunk, le32(16))
          .chunk(kReservedValueChunk, le32(0xFFFFFFFF))
          .chunk(kLengthChunk, le32(0x7FC00000))  // not a number
          .chunk(kCreatedTimeChunk, test::concat({le32(0xFFFFFFFF), le32(0xFFFFFFFF)}))
          .chunk(kModelChunk, test::concat({le32(12), model}))
          .chunk(kSideViewChunk, test::concat({le32(1), le32(2), le32(3), {9, 9, 9}}))
          .end()
          .bytes();
  const json info = (folder.write("p.q5c", chunks), infoJson(folder.at("p.q5c")));
  EXPECT_EQ(info["form"], "plain");
  EXPECT_TRUE(info["seed"].is_null());
  EXPECT_EQ(info["typeIndex"], 16);
  EXPECT_TRUE(info["typeName"].is_null());
  EXPECT_EQ(info["reservedValue"], -1);
  EXPECT_TRUE(info["lengthMm"].is_null());
  EXPECT_EQ(info["createdTime"], -1);
  EXPECT_EQ(info["model"], json({{"size", 12}, {"vertexCount", 5}, {"indexCount", nullptr}}));
  EXPECT_TRUE(info["texture"].is_null());
  EXPECT_EQ(info["sideView"], json({{"size", 3},
                                    {"width", nullptr},
                                    {"height", nullptr},
                                    {"reserved1", 1},
                                    {"reserved2", 2}}));
}

TEST(InfoCommand, TextShowsTheStatusLinesAndTheDate) {
  CliFolder folder;
  // Control characters from the file must not reach the terminal.
  ASSERT_EQ(runCliWith(folder.packArgs("a.cnt", {"--description", "一\r\n二\x1b[2J\u009b"})).code,
            0);
  const auto run = runCliWith({"info", folder.at("a.cnt")});
  ASSERT_EQ(run.code, 0);
  for (const char* line :
       {"工房名      山田工房\n", "説明        一\\n二?[2J?\n", "種別        ---\n",
        "作成日時    2023-11-14 22:13:20 UTC\n", "3D MODEL 80 bytes\n  Vertex 36\n",
        "TEXTURE 32 bytes\n  DX 256\n  DY 128\n", "SIDEVIEW 32 bytes\n  DX 200\n  DY 64\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "\nin\n" << run.out;
  }
}

TEST(InfoCommand, TextShowsNumbersAsTheWindowDoes) {
  CliFolder folder;
  const Bytes chunks =
      test::ChunkSequence()
          .chunk(kPlainFormMarker, {})
          .chunk(kModelChunk, test::concat({le32(16), test::modelBlobOf(0xFFFFFFFF, 0, 0)}))
          .end()
          .bytes();
  folder.write("p.q5c", chunks);
  const auto run = runCliWith({"info", folder.at("p.q5c")});
  EXPECT_NE(run.out.find("\n3D MODEL 16 bytes\n  Vertex -1\n"), std::string::npos) << run.out;
}

// Random bytes behind the scrambled form's first bytes end the chunks at once, at no end chunk.
TEST(ContainerCommands, EachRefusesAContainerDamagedBehindItsHeader) {
  CliFolder folder;
  Bytes file = {0x24, 0x25, 0x26, 0x00};
  const Bytes noise = test::patterned(4096, 91);
  file.insert(file.end(), noise.begin(), noise.end());
  folder.write("noise.cnt", file);
  const std::string in = folder.at("noise.cnt");
  const std::vector<std::vector<std::string>> commands = {
      {"info", in},
      {"extract", in, "--model", folder.at("m.out")},
      {"export", in, "-o", folder.at("out")},
      {"render", in, "-o", folder.at("r.png")},
      {"check", in}};
  for (const auto& args : commands) {
    const auto run = runCliWith(args);
    EXPECT_EQ(run.code, 1) << args[0];
    EXPECT_NE((run.out + run.err).find("damaged"), std::string::npos) << args[0] << run.err;
  }
  EXPECT_EQ(test::namesIn(folder.path()).size(), 4u);
}

TEST(InfoCommand, RefusesFilesThatAreNotWholeContainers) {
  CliFolder folder;
  ASSERT_EQ(runCliWith(folder.packArgs("a.cnt")).code, 0);
  Bytes file = test::readFile(folder.path() / "a.cnt");
  file.resize(file.size() - 1);
  folder.write("cut.cnt", file);
  const struct {
    std::string file;
    std::string reason;
  } cases[] = {
      {folder.at("t.png"), "not a container file"},
      {folder.at("missing.cnt"), "cannot be read (missing, empty or unreadable)"},
      {folder.at("cut.cnt"),
       "damaged container file (a chunk runs past the end or the end chunk is missing)"},
  };
  for (const auto& c : cases) {
    for (bool json : {false, true}) {
      auto args = std::vector<std::string>{"info", c.file};
      if (json) args.push_back("--json");
      const auto run = runCliWith(args);
      EXPECT_EQ(run.code, 1);
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, c.file + ": " + c.reason + "\n");
    }
  }
}

}  // namespace
}  // namespace qel
