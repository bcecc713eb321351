#include "check/model_check.h"

#include <gtest/gtest.h>

#include "tests/model/model_fixtures.h"
#include "tests/support/memory_file_system.h"

namespace qel {
namespace {

constexpr std::string_view kHead =
    "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 1\nvn 0 0 1\nusemtl body\n";
constexpr std::string_view kMtl = "newmtl body\nmap_Kd body.png\n";

struct Found {
  std::string code;
  std::uint32_t line;
  Severity severity;
  bool operator==(const Found&) const = default;
};

void PrintTo(const Found& f, std::ostream* out) {
  *out << f.code << "@" << f.line << (f.severity == Severity::Error ? " error" : " warning");
}

class ModelCheckTest : public ::testing::Test {
 protected:
  std::vector<Found> check(std::string_view obj, std::string_view mtl = kMtl) {
    files.addText(u"/m/car.obj", obj);
    files.addText(u"/m/car.mtl", mtl);
    files.add(u"/m/body.png", test::pngBytes(64, 64));
    std::vector<Found> found;
    for (const Diagnostic& d : checkObjFile(u"/m/car.obj")) {
      found.push_back({d.code, d.line, d.severity});
    }
    return found;
  }

  test::MemoryFileSystem files;
};

constexpr Severity kError = Severity::Error;
constexpr Severity kWarning = Severity::Warning;

TEST_F(ModelCheckTest, NamesTheMaterialOfATextureStatementWithoutANameOfItsOwn) {
  files.addText(u"/m/car.obj", std::string(kHead) + "f 1 2 3\n");
  files.addText(u"/m/car.mtl", "newmtl body\nmap_Kd body.png\nmap_Ks body.png\n");
  files.add(u"/m/body.png", test::pngBytes(64, 64));
  std::vector<std::string> messages;
  for (const Diagnostic& d : checkObjFile(u"/m/car.obj")) messages.push_back(d.message);
  const std::string named =
      "no face uses the material of this texture statement (a further texture statement of body)";
  EXPECT_NE(std::find(messages.begin(), messages.end(), named), messages.end())
      << ::testing::PrintToString(messages);
}

TEST_F(ModelCheckTest, ListsEveryErrorAndReadsOnPastIt) {
  const std::string obj = std::string(kHead) +
                          "f 1/3 2 3\n"       // line 9
                          "f 1//2 2 3\n"      // 10
                          "f 1 2 9\n"         // 11
                          "f /1 2 3\n"        // 12
                          "f 1 2 3\nvp 1\n";  // 13, 14: still read
  EXPECT_EQ(check(obj), (std::vector<Found>{{"obj.no-such-texcoord", 9, kError},
                                            {"obj.no-such-normal", 10, kError},
                                            {"obj.no-such-position", 11, kError},
                                            {"obj.corner-without-position", 12, kError},
                                            {"obj.ignored-statement", 14, kWarning}}));
}

TEST_F(ModelCheckTest, GivesTheRefusalsOfTheConversionAllTogether) {
  EXPECT_EQ(
      check("mtllib car.mtl\nv 0 0 0\n", "newmtl body\n"),
      (std::vector<Found>{{"model.no-texture-material", 0, kError}, {"model.no-face", 0, kError}}));
  files.add(u"/m/big.png", test::pngBytes(512, 8));
  EXPECT_EQ(check(std::string(kHead) + "f 1 2 3\n", "newmtl body\nmap_Kd big.png\n"),
            (std::vector<Found>{{"model.texture-too-large", 0, kError}}));
  EXPECT_EQ(check(""), (std::vector<Found>{{"model.no-texture-material", 0, kError},
                                           {"model.no-face", 0, kError}}));
  EXPECT_EQ(checkObjFile(u"/m/none.obj").size(), 1u);  // nothing follows from a missing file
}

// A full list refuses once; the numbers of what it dropped raise nothing more.
TEST_F(ModelCheckTest, TellsAFullListOnce) {
  std::string obj(kHead);
  for (int i = 0; i < 30000; ++i) obj += "v 0 0 0\n";
  obj += "f 30001 30002 30003\nf 1 2 3\n";
  const auto found = check(obj);
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found[0], (Found{"obj.capacity", 30006, kError}));
  EXPECT_EQ(std::count_if(found.begin(), found.end(),
                          [](const Found& f) { return f.severity == kError; }),
            1);
}

// Each kind of warning in a small file of its own: code and line.
TEST_F(ModelCheckTest, WarnsOfWhatConvertsButIsLikelyWrong) {
  const std::string head(kHead);
  const struct {
    std::string obj;
    std::string mtl;
    Found expected;
  } cases[] = {
      {head + "v nan 0 0\nf 1 2 3\n", std::string(kMtl), {"obj.non-finite", 9, kWarning}},
      {head + "vt 0 inf\nf 1 2 3\n", std::string(kMtl), {"obj.non-finite", 9, kWarning}},
      {head + "f 1 1 2\n", std::string(kMtl), {"obj.degenerate-triangle", 9, kWarning}},
      {head + "vt 1.5 0\nf 1/3 2/1 3/1\n",
       std::string(kMtl),
       {"obj.texcoord-outside", 10, kWarning}},
      {"mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\nusemtl body\nf 1 2 3\n",
       std::string(kMtl),
       {"obj.face-without-material", 5, kWarning}},
      {head + "usemtl other\nf 1 2 3\n", std::string(kMtl), {"obj.unknown-material", 9, kWarning}},
      {head + "usemtl bare\nf 1 2 3\n",
       std::string(kMtl) + "newmtl bare\nKd 1 1 1\n",
       {"obj.material-without-texture", 9, kWarning}},
      {head + "f 1 2 3 1 2\n", std::string(kMtl), {"obj.polygon-cut", 9, kWarning}},
      {head + "f 1 2\nf 1 2 3\n", std::string(kMtl), {"obj.short-face", 9, kWarning}},
      {head + "mtllib gone.mtl\nf 1 2 3\n", std::string(kMtl), {"obj.mtl-unreadable", 9, kWarning}},
      {head + "f 1 2 3\n",
       std::string(kMtl) + "newmtl spare\nmap_Kd body.png\n",
       {"mtl.unused-texture", 4, kWarning}},
      {head + "f 1 2 3\n",
       std::string(kMtl) + "newmtl b\nmap_Kd gone.png\n",
       {"mtl.texture-unreadable", 4, kWarning}},
      {head + "f 1 2 3\n",
       std::string(kMtl) + "newmtl t\nmap_Kd gone.tim\n",
       {"mtl.tim-missing", 4, kWarning}},
  };
  for (const auto& c : cases) {
    const auto found = check(c.obj, c.mtl);
    EXPECT_NE(std::find(found.begin(), found.end(), c.expected), found.end())
        << ::testing::PrintToString(c.expected) << " in\n"
        << c.obj;
    EXPECT_EQ(std::count_if(found.begin(), found.end(),
                            [](const Found& f) { return f.severity == kError; }),
              0)
        << c.obj;
  }
}

}  // namespace
}  // namespace qel
