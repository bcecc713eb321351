#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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
    write("a.cnt", *buildContainerFile(record, 5));
  }
};

TEST(CheckCommand, PrintsOneLineForEachProblemAndExitsByTheWorst) {
  CheckFolder folder;
  const auto warned = runCliWith({"check", folder.at("car.obj"), folder.at("a.cnt")});
  EXPECT_EQ(warned.code, 0) << warned.err;
  EXPECT_EQ(warned.out, folder.at("car.obj") +
                            ":7: warning: the statement l is ignored [obj.ignored-statement]\n");
  EXPECT_EQ(runCliWith({"check", "--strict", folder.at("car.obj")}).code, 1);
  EXPECT_EQ(runCliWith({"check", "--strict", folder.at("a.cnt")}).code, 0);

  folder.writeText("bad.obj", "mtllib car.mtl\nv 0 0 0\nusemtl body\nf 1 2 3\n");
  const auto refused = runCliWith({"check", folder.at("bad.obj"), folder.at("car.obj")});
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(
      refused.out.substr(0, refused.out.find('\n')),
      folder.at("bad.obj") +
          ":4: error: position number 2 names no entry (1 read so far) [obj.no-such-position]");
  // Then the unused material of the face left out, the model without faces, and car.obj.
  EXPECT_EQ(std::count(refused.out.begin(), refused.out.end(), '\n'), 4);
  EXPECT_EQ(runCliWith({"check"}).code, 2);
}

TEST(CheckCommand, GivesOneJsonArrayOfObjectsWithFiveKeysInOrder) {
  CheckFolder folder;
  folder.write("cut.cnt", Bytes(20, 0x24));
  const auto run = runCliWith({"check", "--json", folder.at("car.obj"), folder.at("cut.cnt")});
  EXPECT_EQ(run.code, 1);
  const auto list = nlohmann::ordered_json::parse(run.out);
  ASSERT_TRUE(list.is_array());
  ASSERT_EQ(list.size(), 2u);
  for (const auto& problem : list) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : problem.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"file", "line", "severity", "code", "message"}));
  }
  EXPECT_EQ(list[0]["line"], 7);
  EXPECT_EQ(list[0]["severity"], "warning");
  EXPECT_EQ(list[1]["file"], folder.at("cut.cnt"));
  EXPECT_TRUE(list[1]["line"].is_null());
  EXPECT_EQ(list[1]["severity"], "error");
  EXPECT_EQ(list[1]["code"], "container.not-container");
  EXPECT_EQ(list[1]["message"], "not a container file");
}

}  // namespace
}  // namespace qel
