#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "check/folder_walk.h"
#include "cli_test_support.h"
#include "container/container_format.h"

namespace qel {
namespace {

using test::CliFolder;
using test::runCliWith;

// A folder with an OBJ model (car.obj) whose only problem is an ignored statement, and a
// container that the program saved (a.cnt).
class CheckFolder : public CliFolder {
 public:
  CheckFolder() {
    writeText("car.obj",
              "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl body\nf 1 2 3\nl 1 2\n");
    writeText("car.mtl", "newmtl body\nmap_Kd body.png\n");
    write("body.png", test::pngOf(64, 64));
    ContainerRecord record = test::completeRecord();
    record.modelData = test::concat({test::le32(100), test::le32(274), test::le32(3), test::le32(3),
                                     Bytes(96), Bytes{0, 0, 1, 0, 2, 0}});
    write("a.cnt", *serializeContainerBytes(record, 5));
  }
};

TEST(CheckCommand, PrintsEachProblemAndASummaryPerFileAndExitsByTheWorst) {
  CheckFolder folder;
  const auto warned = runCliWith({"check", folder.at("car.obj"), folder.at("a.cnt")});
  EXPECT_EQ(warned.code, 0) << warned.err;
  EXPECT_EQ(warned.out, folder.at("car.obj") +
                            ":7: warning: the statement l is ignored [obj.ignored-statement]\n" +
                            folder.at("car.obj") + ": 0 errors, 1 warning\n" + folder.at("a.cnt") +
                            ": OK\n2 files checked: 0 errors, 1 warning\n");
  EXPECT_EQ(runCliWith({"check", "--quiet", folder.at("a.cnt")}).out, "");
  EXPECT_EQ(runCliWith({"check", "--strict", folder.at("car.obj")}).code, 1);
  EXPECT_EQ(runCliWith({"check", "--strict", folder.at("a.cnt")}).code, 0);

  folder.writeText("bad.obj", "mtllib car.mtl\nv 0 0 0\nusemtl body\nf 1 2 3\n");
  const auto refused = runCliWith({"check", folder.at("bad.obj"), folder.at("car.obj")});
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(
      refused.out.substr(0, refused.out.find('\n')),
      folder.at("bad.obj") +
          ":4: error: position number 2 names no entry (1 read so far) [obj.no-such-position]");
  // Then the unused material of the face left out, the model without faces, the summary,
  // car.obj with its summary, and the total.
  EXPECT_EQ(std::count(refused.out.begin(), refused.out.end(), '\n'), 7);
  EXPECT_EQ(runCliWith({"check"}).code, 2);
}

TEST(CheckCommand, GivesOneJsonObjectWithAnObjectPerProblemAndTheSummary) {
  CheckFolder folder;
  folder.write("cut.cnt", Bytes(20, 0x24));
  const auto run = runCliWith({"check", "--json", folder.at("car.obj"), folder.at("cut.cnt")});
  EXPECT_EQ(run.code, 1);
  const auto report = nlohmann::ordered_json::parse(run.out);
  const auto& list = report["problems"];
  ASSERT_EQ(list.size(), 2u);
  for (const auto& problem : list) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : problem.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"file", "line", "severity", "code", "message",
                                              "repairMends"}));
  }
  EXPECT_EQ(list[0]["line"], 7);
  EXPECT_EQ(list[0]["repairMends"], false);
  EXPECT_EQ(list[0]["severity"], "warning");
  EXPECT_EQ(list[1]["file"], folder.at("cut.cnt"));
  EXPECT_TRUE(list[1]["line"].is_null());
  EXPECT_EQ(list[1]["code"], "container.not-container");
  EXPECT_EQ(list[1]["message"], "not a container file");
  EXPECT_EQ(
      report["files"][1],
      (nlohmann::ordered_json{{"file", folder.at("cut.cnt")}, {"errors", 1}, {"warnings", 0}}));
  EXPECT_EQ(report["errors"], 1);
  EXPECT_EQ(report["warnings"], 1);
  EXPECT_TRUE(
      nlohmann::json::parse(runCliWith({"check", "--json", folder.at("a.cnt")}).out)["problems"]
          .empty());

  // A model without materials and with a face of five corners: refused as it is, mended by
  // the repair.
  folder.writeText("plain.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nv 2 2 0\nf 1 2 3 4 5\n");
  const auto plain =
      nlohmann::json::parse(runCliWith({"check", "--json", folder.at("plain.obj")}).out);
  ASSERT_EQ(plain["errors"], 1);
  ASSERT_NE(plain.dump().find("obj.polygon-cut"), std::string::npos);
  for (const auto& problem : plain["problems"]) EXPECT_EQ(problem["repairMends"], true) << problem;
}

// A tree as authors keep one: clean and broken models and containers, a model that repeats
// one problem on many lines, and files that are neither.
TEST(CheckCommand, WalksFoldersAndGivesARepeatedProblemOnce) {
  CheckFolder folder;
  std::string outside = "mtllib ../car.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 2 2\nusemtl body\n";
  for (int i = 0; i < 5; ++i) outside += "  # drawn twice\nf 1/1 2/1 3/1\n";
  std::filesystem::create_directories(folder.path() / "parts" / "deep");
  folder.writeText("parts/outside.obj", outside);
  folder.writeText("parts/deep/broken.OBJ", "f 1 2 3\n");
  folder.writeText("parts/notes.txt", "not checked");
  folder.write("parts/deep/b.q5c", Bytes(4, 0));
  const auto run = runCliWith({"check", folder.at("parts"), folder.at("a.cnt")});
  EXPECT_EQ(run.code, 1);
  // Walked files are named as the system lists them, below the folder as given.
  const auto walked = [&](const char* name) {
    return (std::filesystem::path(folder.at("parts")) /
            std::filesystem::path(name).make_preferred())
        .string();
  };
  const std::string repeated = walked("outside.obj") +
                               ": warning: texture coordinate 1 lies outside 0..1: the face "
                               "reaches out of its material's rectangle (the repair mends this: "
                               "--repair) [obj.texcoord-outside]: 5 lines, first 8, 10, 12\n";
  EXPECT_NE(run.out.find(repeated), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("notes.txt"), std::string::npos);
  EXPECT_EQ(run.out.find("ignored"), std::string::npos) << "an indented comment is a comment";
  EXPECT_NE(run.out.find(walked("deep/b.q5c") + ": 1 error, 0 warnings\n"), std::string::npos);
  EXPECT_NE(run.out.find("4 files checked: "), std::string::npos) << run.out;
}

#ifndef _WIN32  // names of bytes that are not UTF-8
// Every entry is accounted for: what cannot be named or entered is told on stderr and in
// the JSON, which stays whole, and the walk goes on past it.
TEST(CheckCommand, TellsWhatAFolderWalkCannotTakeAndGoesOn) {
  CheckFolder folder;
  std::filesystem::create_directories(folder.path() / "parts");
  std::filesystem::copy_file(folder.path() / "a.cnt", folder.path() / "parts" / "z.cnt");
  // 車.obj in code page 932.
  std::ofstream(folder.path() / "parts" / "\x8e\xd4.obj") << "v 0 0 0\n";
  std::filesystem::path deep = folder.path() / "parts";
  for (std::size_t depth = 0; depth <= kDeepestWalk; ++depth) deep /= "d";
  std::filesystem::create_directories(deep);

  const auto run = runCliWith({"check", "--json", folder.at("parts")});
  EXPECT_EQ(run.code, 1);
  const auto report = nlohmann::json::parse(run.out);
  std::vector<std::string> codes;
  for (const auto& problem : report["problems"]) codes.push_back(problem["code"]);
  EXPECT_EQ(codes, (std::vector<std::string>{"walk.too-deep", "walk.name-not-utf8"}));
  ASSERT_EQ(report["files"].size(), 3u);
  EXPECT_EQ(report["files"][1]["file"], folder.at("parts/z.cnt"));
  EXPECT_EQ(report["errors"], 2);
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
}
#endif

}  // namespace
}  // namespace qel
