#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <thread>

#include "cli/cli.h"
#include "cli_test_support.h"
#include "container/container_format.h"
#include "preview/png_codec.h"

namespace qel {
namespace {

using test::CliFolder;
using test::runCliWith;

ContainerRecord loadFile(const std::filesystem::path& path) {
  Bytes bytes = test::readFile(path);
  ContainerRecord record;
  EXPECT_EQ(parseContainerFile(record, bytes), kSuccess);
  return record;
}

TEST(PackCommand, BuildsTheRecordAsTheDesktopProgramSavesIt) {
  CliFolder folder;
  const auto run = runCliWith(folder.packArgs(
      "a.cnt", {"--type", "ISO40ft", "--length", "12192.5", "--description", "二行\nです"}));
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const Bytes file = test::readFile(folder.path() / "a.cnt");
  EXPECT_EQ(scrambleSeedOf(file), 4711);
  const ContainerRecord record = loadFile(folder.path() / "a.cnt");
  EXPECT_EQ(record.containerName.view(), u"コキ");
  EXPECT_EQ(record.makerName.view(), u"山田工房");
  EXPECT_EQ(record.description.view(), u"二行\nです");
  EXPECT_EQ(record.typeIndex, 12u);
  EXPECT_EQ(record.lengthMm, 12192.5f);
  EXPECT_EQ(record.createdTime, 1700000000);
  EXPECT_EQ(record.modelData, test::modelBlobOf(36, 60, 64));
  EXPECT_EQ(record.modelVertexCount, 36u);
  EXPECT_EQ(record.textureData, test::pngOf(256, 128));
  EXPECT_EQ(record.textureWidth, 256);
  EXPECT_EQ(record.sideViewData, test::pngOf(200, 64));
}

TEST(PackCommand, SameInputsGiveTheSameBytes) {
  CliFolder folder;
  ASSERT_EQ(runCliWith(folder.packArgs("a.cnt")).code, 0);
  ASSERT_EQ(runCliWith(folder.packArgs("b.cnt")).code, 0);
  EXPECT_EQ(test::readFile(folder.path() / "a.cnt"), test::readFile(folder.path() / "b.cnt"));
}

TEST(CommandLine, RunsEachCommandLineAsIfItWereTheOnlyOne) {
  CliFolder folder;
  cli::CommandLine commandLine;
  std::ostringstream out, err;
  ASSERT_EQ(commandLine.run(
                folder.packArgs("a.cnt", {"--type", "ISO40ft", "--description", "説明"}), out, err),
            0);
  EXPECT_EQ(commandLine.run(folder.packArgs("x.cnt", {"--obj", "m.obj"}), out, err), 2);
  // Options not given again take their defaults, not the values of the runs before.
  ASSERT_EQ(commandLine.run(folder.packArgs("b.cnt"), out, err), 0) << err.str();
  ASSERT_EQ(runCliWith(folder.packArgs("c.cnt")).code, 0);
  EXPECT_EQ(test::readFile(folder.path() / "b.cnt"), test::readFile(folder.path() / "c.cnt"));
}

TEST(PackCommand, AcceptsTheLimitsOfTypeAndLength) {
  CliFolder folder;
  for (auto [type, index] : {std::pair{"0", 0u},
                             {"---", 0u},
                             {"5", 5u},
                             {"9", 9u},
                             {"荷物", 1u},
                             {"12ft/10ft", 5u},
                             {"12", 12u}}) {
    ASSERT_EQ(runCliWith(folder.packArgs("a.cnt", {"--type", type, "--length", "50000"})).code, 0)
        << type;
    EXPECT_EQ(loadFile(folder.path() / "a.cnt").typeIndex, index) << type;
  }
}

// Each refusal exits 1 with one line naming what was refused, and writes nothing.
void expectRefused(const CliFolder& folder, const std::vector<std::string>& args,
                   const std::string& line) {
  const auto run = runCliWith(args);
  EXPECT_EQ(run.code, 1) << line;
  EXPECT_EQ(run.err, line + "\n");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.cnt")) << line;
}

TEST(PackCommand, RefusesOptionValuesOutsideWhatTheDialogsTake) {
  CliFolder folder;
  const auto with = [&](std::vector<std::string> extra) {
    return folder.packArgs("out.cnt", extra);
  };
  for (const char* type : {"6", "13", "16", "-1", "x", "", "20FT"}) {
    expectRefused(
        folder, with({"--type", type}),
        std::string("--type: ") + type + " is not an offered type (0 to 5, 9 to 12, or its name)");
  }
  for (const char* length : {"50000.5", "-1", "abc", "", "1e3", "nan", "inf"}) {
    expectRefused(folder, with({"--length", length}),
                  std::string("--length: ") + length + " is not a number from 0 to 50000");
  }
  expectRefused(folder, with({"--name", std::string(27, 'n')}),
                "--name: 27 UTF-16 units; at most 26");
  expectRefused(folder, with({"--description", std::string(64, 'd')}),
                "--description: 64 UTF-16 units; at most 63");
  expectRefused(folder, with({"--maker", "あいうえおかきくけこさ"}),
                "--maker: 11 UTF-16 units; at most 10");
  expectRefused(folder, with({"--maker", "JR東日本"}),
                "--maker: JR東日本 is a prohibited workshop name");
  expectRefused(folder, with({"--maker", ""}), "--maker: the workshop name is empty");
  expectRefused(folder, with({"--name", ""}),
                folder.at("out.cnt") + ": the container name is empty");
  expectRefused(folder, with({"--name", "caf\xE9"}), "--name: the text is not UTF-8");
}

// A name that is not UTF-8 would otherwise be read or written as another file.
TEST(Cli, RefusesFileNamesThatAreNotUtf8) {
  CliFolder folder;
  const std::string odd = folder.at("caf\xE9.cnt");
  expectRefused(folder, folder.packArgs("out.cnt", {"-o", odd}),
                odd + ": the file name is not UTF-8");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            3);  // the three inputs only

  ASSERT_EQ(runCliWith(folder.packArgs("a.cnt")).code, 0);
#ifndef _WIN32
  // Windows keeps names in UTF-16: there no file can have this name.
  std::filesystem::copy_file(folder.path() / "a.cnt", odd);
#endif
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"info", odd}, {"extract", folder.at("a.cnt"), "--model", odd}}) {
    const auto run = runCliWith(args);
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, odd + ": the file name is not UTF-8\n");
  }
}

TEST(PackCommand, RefusesInputFilesThatDoNotPassTheChecks) {
  CliFolder folder;
  folder.write("wide.png", test::pngOf(300, 200));
  folder.write("high.png", test::pngOf(1, 257));
  folder.write("short.png", Bytes{0x89, 'P', 'N', 'G'});
  folder.write("bad.bin",
               test::concat({test::le32(101), test::le32(274), test::le32(0), test::le32(0)}));
  folder.write("tiny.bin", test::le32(100));
  folder.write("empty", {});

  auto args = [&](const char* option, const std::string& file) {
    return folder.packArgs("out.cnt", {option, file});
  };
  expectRefused(folder, args("--texture", folder.at("wide.png")),
                folder.at("wide.png") + ": 300 x 200 pixels, larger than 256 x 256");
  expectRefused(folder, args("--sideview", folder.at("high.png")),
                folder.at("high.png") + ": 1 x 257 pixels, larger than 256 x 256");
  expectRefused(folder, args("--sideview", folder.at("short.png")),
                folder.at("short.png") + ": not a PNG file");
  const std::string notBlob = ": not a model blob (a 16-byte head beginning with the word 100)";
  expectRefused(folder, args("--model", folder.at("bad.bin")), folder.at("bad.bin") + notBlob);
  expectRefused(folder, args("--model", folder.at("tiny.bin")), folder.at("tiny.bin") + notBlob);
  expectRefused(folder, args("--texture", folder.at("empty")),
                folder.at("empty") + ": cannot be read (missing, empty or unreadable)");
  // Inputs that no container could hold are not read.
  folder.write("long.png", test::pngOf(16, 16));
  std::filesystem::resize_file(folder.path() / "long.png", kContainerFileLimit + 1);
  expectRefused(folder, args("--sideview", folder.at("long.png")),
                folder.at("long.png") + ": 536870913 bytes; at most 536870912");
}

TEST(PackCommand, RepairConvertsATextureOrSideViewTooLargeIntoAPngThatFits) {
  CliFolder folder;
  folder.write("t.png", encodePng(RgbaImage(512, 128, {9, 9, 9, 255})));
  folder.write("s.png", encodePng(RgbaImage(300, 300, {9, 9, 9, 255})));
  EXPECT_EQ(runCliWith(folder.packArgs("a.cnt")).code, 1);
  const auto run = runCliWith(folder.packArgs("a.cnt", {"--repair"}));
  ASSERT_EQ(run.code, 0) << run.err;
  const ContainerRecord record = loadFile(folder.path() / "a.cnt");
  EXPECT_EQ(record.textureWidth, 256);
  EXPECT_EQ(record.textureHeight, 64);
  ASSERT_TRUE(record.sideViewData);
  EXPECT_EQ(decodePng(*record.sideViewData)->width, 256);
}

TEST(PackCommand, RefusedPackLeavesAnExistingFileAlone) {
  CliFolder folder;
  const Bytes earlier = {1, 2, 3};
  folder.write("out.cnt", earlier);
  EXPECT_EQ(runCliWith(folder.packArgs("out.cnt", {"--type", "7"})).code, 1);
  EXPECT_EQ(test::readFile(folder.path() / "out.cnt"), earlier);
  EXPECT_EQ(runCliWith(folder.packArgs("missing/out.cnt")).code, 1);
}

TEST(Cli, VersionPrintsTheOneVersionLine) {
  const auto run = runCliWith({"--version"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "QELContainer " QEL_VERSION "\n");
}

TEST(Cli, UsageErrorsExitWithTwo) {
  CliFolder folder;
  EXPECT_EQ(runCliWith({}).code, 2);
  EXPECT_EQ(runCliWith({"unknown"}).code, 2);
  EXPECT_EQ(runCliWith({"info"}).code, 2);
  EXPECT_EQ(runCliWith({"pack", "-o", folder.at("out.cnt"), "--name", "x"}).code, 2);
  EXPECT_EQ(runCliWith(folder.packArgs("out.cnt", {"--bogus"})).code, 2);
  EXPECT_EQ(runCliWith(folder.packArgs("out.cnt", {"--seed", "16777216"})).code, 2);
  EXPECT_EQ(runCliWith(folder.packArgs("out.cnt", {"--seed", "-1"})).code, 2);
  EXPECT_EQ(runCliWith(folder.packArgs("out.cnt", {"--created", "soon"})).code, 2);
  // Out of range, or not decimal: never taken as the nearest number or another base.
  for (const char* created : {"9223372036854775808", "18446744073709551616",
                              "100000000000000000000", "-9223372036854775809", "0x10", "1e3"}) {
    const auto run = runCliWith(folder.packArgs("out.cnt", {"--created", created}));
    EXPECT_EQ(run.code, 2) << created;
    EXPECT_EQ(run.err.rfind("--created: not a decimal number", 0), 0u) << run.err;
  }
  EXPECT_EQ(runCliWith(folder.packArgs("out.cnt", {"--seed", "0x10"})).code, 2);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.cnt"));
  // A leading zero is no octal prefix.
  ASSERT_EQ(runCliWith(folder.packArgs("out.cnt", {"--created", "010", "--seed", "010"})).code, 0);
  EXPECT_EQ(loadFile(folder.path() / "out.cnt").createdTime, 10);
  EXPECT_EQ(scrambleSeedOf(test::readFile(folder.path() / "out.cnt")), 10);

  const auto help = runCliWith({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(help.out.find("pack"), std::string::npos);
}

// Each change of an input (written, then still) packs once more; SIGINT ends with success.
TEST(PackCommand, WatchPacksAgainForEachChangeOfAnInputUntilInterrupted) {
  CliFolder folder;
  std::ostringstream out, err;
  int code = -1;
  std::thread watching(
      [&] { code = cli::runCli(folder.packArgs("w.cnt", {"--watch"}), out, err); });
  const auto packedWith = [&](const Bytes& sideView) {
    for (int wait = 0; wait < 200; ++wait) {
      ContainerRecord record;
      const Bytes file = test::readFile(folder.path() / "w.cnt");
      if (parseContainerFile(record, file) == kSuccess && record.sideViewData == sideView) {
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  };
  EXPECT_TRUE(packedWith(test::pngOf(200, 64)));
  for (const Bytes& sideView : {test::pngOf(100, 50), test::pngOf(50, 25)}) {
    folder.write("s.png", sideView);
    EXPECT_TRUE(packedWith(sideView));
  }
  std::raise(SIGINT);
  watching.join();
  EXPECT_EQ(code, 0) << err.str();
  const std::string line = "packed " + folder.at("w.cnt") + "\n";
  EXPECT_EQ(out.str(), line + line + line);
}

}  // namespace
}  // namespace qel
