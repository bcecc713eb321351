#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "cli_test_support.h"
#include "container/container_format.h"
#include "preview/png_codec.h"

namespace qel {
namespace {

using test::CliFolder;
using test::runCliWith;

constexpr std::string_view kQuad =
    "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nusemtl body\nf 1/1 2/1 3/1 4/1\n";

// A folder with an OBJ model (car.obj), its material file and a PNG texture.
class ModelFolder : public CliFolder {
 public:
  explicit ModelFolder(std::string_view mtl = "newmtl body\nmap_Kd body.png\nmap_Kd gone.tim\n") {
    writeText("car.obj", kQuad);
    writeText("car.mtl", mtl);
    write("body.png", test::pngOf(128, 64));
  }
};

TEST(ConvertCommand, WritesTheBlobAndTheTextureAndSaysWhatItTook) {
  ModelFolder folder;
  const auto run = runCliWith({"convert", folder.at("car.obj"), "-o", folder.at("car.blob"),
                               "--texture-out", folder.at("t.png")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "vertices 4, indices 6, materials 2, atlas 128 x 64, texture " +
                         folder.at("body.png") + "\n");
  EXPECT_EQ(run.err, "WAVEFRONT TIM LOAD ERROR [gone.tim]\n");
  const Bytes blob = test::readFile(folder.path() / "car.blob");
  EXPECT_EQ(blob.size(), 16u + 4 * 32 + 6 * 2);
  EXPECT_EQ(blob[0], 100);
  EXPECT_EQ(test::readFile(folder.path() / "t.png"), test::pngOf(128, 64));
}

TEST(ConvertCommand, RefusesInOneLineAndWritesNothing) {
  ModelFolder folder("newmtl body\nmap_Kd body.tim\n");
  folder.write("body.tim", Bytes(20, 3));
  const auto run = runCliWith({"convert", folder.at("car.obj"), "-o", folder.at("car.blob")});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.err, folder.at("car.obj") + ": the first material's texture is not a PNG file: " +
                         folder.at("body.tim") + "\n");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "car.blob"));
  EXPECT_EQ(runCliWith({"convert", folder.at("car.obj")}).code, 2);
}

TEST(ConvertCommand, MendsWithRepairWhatItRefusesWithout) {
  ModelFolder folder("newmtl body\nKd 1 0 0\n");
  const std::vector<std::string> args = {
      "convert",       folder.at("car.obj"), "-o", folder.at("car.blob"),
      "--texture-out", folder.at("t.png")};
  EXPECT_EQ(runCliWith(args).code, 1);
  std::vector<std::string> repaired = args;
  repaired.push_back("--repair");
  const auto run = runCliWith(repaired);
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(test::readFile(folder.path() / "car.blob").size(), 16u + 4 * 32 + 6 * 2);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "t.png"));
}

TEST(ConvertCommand, RepairNamesTheTexturesItTookAndWarnsOfEachItCouldNot) {
  ModelFolder folder(
      "newmtl body\nmap_Kd body.png\nnewmtl door\nmap_Kd door.jpg\nnewmtl roof\nmap_Kd roof.png\n");
  folder.writeText("car.obj",
                   std::string(kQuad) + "usemtl door\nf 1/1 2/1 3/1\nusemtl roof\nf 1/1 2/1 3/1\n");
  // Pictures the repair decodes.
  folder.write("body.png", encodePng(RgbaImage(16, 16, {9, 9, 9, 255})));
  folder.write("roof.png", encodePng(RgbaImage(16, 16, {9, 9, 9, 255})));
  const auto run =
      runCliWith({"convert", folder.at("car.obj"), "-o", folder.at("car.blob"), "--repair"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find(", texture " + folder.at("body.png") + " and 1 more image\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.err,
            folder.at("car.obj") + ": warning: the texture " + folder.at("door.jpg") +
                " is missing or cannot be read: its material is drawn in its colour (Kd)\n");
}

TEST(ConvertCommand, RepairWarnsOfAMaterialLibraryItCouldNotRead) {
  ModelFolder folder;
  std::filesystem::remove(folder.path() / "car.mtl");
  const auto run =
      runCliWith({"convert", folder.at("car.obj"), "-o", folder.at("car.blob"), "--repair"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, folder.at("car.obj") + ": warning: the material library " +
                         folder.at("car.mtl") +
                         " cannot be read: its materials are drawn light grey\n");
}

// The blob of car.obj converted with the options given.
Bytes convertedWith(const ModelFolder& folder, std::vector<std::string> options) {
  std::vector<std::string> args = {"convert", folder.at("car.obj"), "-o", folder.at("car.blob")};
  args.insert(args.end(), options.begin(), options.end());
  const auto run = runCliWith(args);
  EXPECT_EQ(run.code, 0) << run.err;
  return test::readFile(folder.path() / "car.blob");
}

float floatAt(const Bytes& blob, std::size_t at) {
  float value;
  std::memcpy(&value, blob.data() + at, sizeof value);
  return value;
}

TEST(ConvertCommand, ScalesPositionsAndNothingElse) {
  ModelFolder folder;
  const Bytes plain = convertedWith(folder, {});
  const Bytes doubled = convertedWith(folder, {"--scale", "2.5"});
  ASSERT_EQ(doubled.size(), plain.size());
  for (std::size_t at = 16; at < 16 + 4 * 32; at += 4) {
    const bool position = (at - 16) % 32 < 12;
    EXPECT_EQ(floatAt(doubled, at), floatAt(plain, at) * (position ? 2.5f : 1.0f)) << at;
  }
  EXPECT_TRUE(std::equal(plain.begin() + 16 + 4 * 32, plain.end(), doubled.begin() + 16 + 4 * 32));
}

TEST(ConvertCommand, FitsTheLengthAskedFor) {
  ModelFolder folder;
  const Bytes fitted = convertedWith(folder, {"--fit-length", "12192"});
  EXPECT_EQ(floatAt(fitted, 16 + 32), 12192.0f);  // the second corner, at x = 1
  EXPECT_EQ(runCliWith({"convert", folder.at("car.obj"), "-o", folder.at("car.blob"), "--scale",
                        "2", "--fit-length", "100"})
                .code,
            2);
}

TEST(PackCommand, TakesModelAndTextureFromAnObjFile) {
  ModelFolder folder;
  const auto run = runCliWith(folder.packObjArgs("a.cnt", "car.obj"));
  ASSERT_EQ(run.code, 0) << run.err;
  ContainerRecord record;
  Bytes file = test::readFile(folder.path() / "a.cnt");
  ASSERT_EQ(parseContainerFile(record, file), kSuccess);
  EXPECT_EQ(record.modelVertexCount, 4u);
  EXPECT_EQ(record.modelData->size(), 16u + 4 * 32 + 6 * 2);
  EXPECT_EQ(record.textureData, test::pngOf(128, 64));
  EXPECT_EQ(record.textureWidth, 128);
}

// The same file under another name, as a hard link gives it, is still the input.
TEST(PackCommand, RefusesAnOutputThatIsOneOfItsInputs) {
  ModelFolder folder;
  std::error_code error;
  std::filesystem::create_hard_link(folder.path() / "s.png", folder.path() / "side.cnt", error);
  if (!error) {
    std::filesystem::create_hard_link(folder.path() / "car.mtl", folder.path() / "lib.cnt", error);
  }
  if (error) GTEST_SKIP() << "no hard link can be made here";
  const Bytes side = test::readFile(folder.path() / "s.png");
  const Bytes mtl = test::readFile(folder.path() / "car.mtl");
  const auto named = runCliWith(folder.packArgs("side.cnt"));
  EXPECT_EQ(named.code, 1);
  EXPECT_EQ(named.err, folder.at("side.cnt") + ": is the input file " + folder.at("s.png") +
                           "; not overwritten\n");
  // The material library that the OBJ file names is an input as well.
  EXPECT_EQ(runCliWith(folder.packObjArgs("lib.cnt", "car.obj")).code, 1);
  EXPECT_EQ(test::readFile(folder.path() / "s.png"), side);
  EXPECT_EQ(test::readFile(folder.path() / "car.mtl"), mtl);
}

TEST(PackCommand, WantsEitherAnObjFileOrAModelAndATexture) {
  ModelFolder folder("newmtl body\nmap_Kd body.png\n");
  folder.write("body.png", test::pngOf(257, 64));
  const auto refused = runCliWith(folder.packObjArgs("a.cnt", "car.obj"));
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.err, "--obj: the PNG texture is 257 x 64 pixels, larger than 256 x 256: " +
                             folder.at("body.png") + "\n");

  std::vector<std::string> both = folder.packObjArgs("a.cnt", "car.obj");
  both.insert(both.end(), {"--model", folder.at("m.bin")});
  EXPECT_EQ(runCliWith(both).code, 2);
  std::vector<std::string> neither = folder.packObjArgs("a.cnt", "car.obj");
  neither.resize(neither.size() - 2);
  EXPECT_EQ(runCliWith(neither).code, 2);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "a.cnt"));
}

}  // namespace
}  // namespace qel
