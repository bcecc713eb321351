#include <gtest/gtest.h>

#include <filesystem>

#include "cli_test_support.h"
#include "container/container_format.h"
#include "preview/png_codec.h"
#include "tests/preview/preview_fixtures.h"

namespace qel {
namespace {

using test::CliFolder;
using test::runCliWith;

TEST(RenderCommand, DrawsAContainersModelOrAnObjModelAsAPng) {
  CliFolder folder;
  folder.write("m.bin", test::squareBlob());
  folder.write("t.png", encodePng(RgbaImage(4, 4, {255, 0, 0, 255})));
  ASSERT_EQ(runCliWith(folder.packArgs("part.cnt")).code, 0);
  const auto run = runCliWith({"render", folder.at("part.cnt"), "-o", folder.at("out.png"),
                               "--size", "40x30", "--yaw", "0", "--pitch", "0"});
  ASSERT_EQ(run.code, 0) << run.err;
  const auto picture = decodePng(test::readFile(folder.path() / "out.png"));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 40);
  EXPECT_EQ(picture->height, 30);
  EXPECT_TRUE(test::looksLike(picture->at(20, 15), {255, 0, 0, 255}));

  folder.writeText("car.obj",
                   "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0 0\nusemtl b\n"
                   "f 1/1 2/1 3/1\n");
  folder.writeText("car.mtl", "newmtl b\nmap_Kd t.png\n");
  EXPECT_EQ(runCliWith({"render", folder.at("car.obj"), "-o", folder.at("obj.png")}).code, 0);
  EXPECT_EQ(decodePng(test::readFile(folder.path() / "obj.png"))->width, 512);
}

TEST(RenderCommand, RefusesWhatInfoRefusesAndBadOptions) {
  CliFolder folder;
  folder.write("junk.cnt", Bytes(64, 7));
  const auto run = runCliWith({"render", folder.at("junk.cnt"), "-o", folder.at("out.png")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, runCliWith({"info", folder.at("junk.cnt")}).err);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.png"));

  folder.write("empty.cnt", *serializeContainerBytes(ContainerRecord(), 1));
  EXPECT_EQ(runCliWith({"render", folder.at("empty.cnt"), "-o", folder.at("out.png")}).err,
            folder.at("empty.cnt") + ": holds no model\n");

  const std::pair<const char*, const char*> badOptions[] = {
      {"--size", "0x10"}, {"--size", "12x"}, {"--size", "4097x1"},
      {"--yaw", "nan"},   {"--yaw", "400"},  {"--pitch", "91"}};
  for (const auto& [option, value] : badOptions) {
    EXPECT_EQ(
        runCliWith({"render", folder.at("empty.cnt"), "-o", folder.at("o.png"), option, value})
            .code,
        2)
        << option << " " << value;
  }
}

TEST(RenderCommand, SideViewTakesTheContainersSideViewSizeOrTheOneAsked) {
  CliFolder folder;
  folder.write("m.bin", test::colouredBoxBlob(6000, 1300, 1200));
  folder.write("t.png", encodePng(RgbaImage(6, 1, {255, 0, 0, 255})));
  folder.write("s.png", encodePng(RgbaImage(120, 40, {0, 0, 255, 255})));
  ASSERT_EQ(runCliWith(folder.packArgs("part.cnt")).code, 0);
  const auto sideView = [&](std::vector<std::string> more) {
    std::vector<std::string> args{"render", folder.at("part.cnt"), "-o", folder.at("out.png"),
                                  "--side-view"};
    args.insert(args.end(), more.begin(), more.end());
    const auto run = runCliWith(args);
    EXPECT_EQ(run.code, 0) << run.err;
    return decodePng(test::readFile(folder.path() / "out.png"));
  };
  const auto packed = sideView({});
  ASSERT_TRUE(packed);
  EXPECT_EQ(packed->width, 120);
  EXPECT_EQ(packed->height, 40);
  EXPECT_EQ(packed->at(0, 0).a, 0);
  EXPECT_TRUE(test::looksLike(packed->at(packed->width / 2, packed->height / 2), {255, 0, 0, 255}));
  const auto asked = sideView({"--size", "100x30"});
  EXPECT_EQ(asked->width, 100);

  EXPECT_EQ(runCliWith({"render", folder.at("part.cnt"), "-o", folder.at("out.png"), "--side-view",
                        "--size", "257x10"})
                .code,
            1);
  EXPECT_EQ(runCliWith({"render", folder.at("part.cnt"), "-o", folder.at("out.png"), "--side-view",
                        "--yaw", "10"})
                .code,
            2);
}

}  // namespace
}  // namespace qel
