#include "model/model_conversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "container/container_format.h"
#include "container/container_record.h"
#include "image/png_check.h"
#include "model/store_model.h"
#include "tests/model/model_fixtures.h"
#include "tests/support/fingerprint.h"
#include "tests/support/stopping_progress.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

constexpr std::string_view kQuad =
    "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nusemtl body\nf 1/1 2/1 3/1 4/1\n";

class ModelConversionTest : public ::testing::Test {
 protected:
  ModelConversion convert(std::string_view obj, std::string_view mtl) {
    folder.writeText("car.mtl", mtl);
    return convertObjModel(folder.writeText("car.obj", obj), sink);
  }

  test::TempFolder folder;
  test::RecordingSink sink;
};

TEST_F(ModelConversionTest, GivesTheBlobAndTheFirstMaterialsPngForTheRecord) {
  const Bytes png = test::pngBytes(256, 128);
  folder.write("body.png", png);
  folder.write("roof.tim", test::timBytes(1, 0, 0, 3, 3));
  const ModelConversion conversion = convert(
      kQuad,
      "newmtl body\nmap_Kd body.png\nnewmtl roof\nmap_Kd roof.tim\nnewmtl x\nmap_Kd x.bmp\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  EXPECT_EQ(conversion.blob.size(), 16u + 32u * 4 + 2u * 6);
  EXPECT_EQ(conversion.texture, png);
  EXPECT_EQ(conversion.materialCount, 3);
  EXPECT_EQ(conversion.atlasWidth, 256.0f);
  EXPECT_EQ(conversion.texturePath, folder.file("body.png"));
  EXPECT_EQ(sink.texts.size(), 1u);  // the 8-bit TIM does not stand in the way

  ContainerRecord record;
  ASSERT_EQ(storeModel(record, conversion.blob), kSuccess);
  EXPECT_EQ(record.modelVertexCount, 4u);
  EXPECT_EQ(record.modelData, conversion.blob);
}

TEST_F(ModelConversionTest, LeavesNothingBesideTheObjFile) {
  folder.write("body.png", test::pngBytes(8, 8));
  folder.writeText("car.tmp", "the author's own file");
  ASSERT_EQ(convert(kQuad, "newmtl body\nmap_Kd body.png\n").result, kSuccess);
  EXPECT_EQ(test::readFile(folder.path() / "car.tmp"),
            Bytes(std::string_view("the author's own file").begin(),
                  std::string_view("the author's own file").end()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 4);
}

TEST_F(ModelConversionTest, TakesTexturesUpTo256By256Only) {
  folder.write("body.png", test::pngBytes(256, 256));
  EXPECT_EQ(convert(kQuad, "newmtl body\nmap_Kd body.png\n").result, kSuccess);
  folder.write("body.png", test::pngBytes(257, 256));
  ModelConversion conversion = convert(kQuad, "newmtl body\nmap_Kd body.png\n");
  EXPECT_EQ(conversion.result, kFailure);
  EXPECT_TRUE(conversion.blob.empty() && conversion.texture.empty());
  EXPECT_EQ(conversion.refusal.english,
            "the PNG texture is 257 x 256 pixels, larger than 256 x 256: " +
                test::utf8Of(folder.path() / "body.png"));
  folder.write("body.png", test::pngBytes(256, 257));
  EXPECT_EQ(convert(kQuad, "newmtl body\nmap_Kd body.png\n").result, kFailure);
}

TEST_F(ModelConversionTest, RefusesModelsWhoseFirstTextureIsNoUsablePng) {
  folder.write("body.tim", test::timBytes(3, 0, 0, 384, 256));
  folder.write("ok.png", test::pngBytes(8, 8));
  folder.writeText("fake.png", "not a png file at all, just text");
  const auto reasonFor = [&](std::string_view mtl) { return convert(kQuad, mtl).refusal.english; };
  EXPECT_EQ(reasonFor("newmtl body\nmap_Kd body.tim\nnewmtl ok\nmap_Kd ok.png\n"),
            "the first material's texture is not a PNG file: " +
                test::utf8Of(folder.path() / "body.tim"));
  EXPECT_EQ(reasonFor("newmtl body\nmap_Kd fake.png\n"),
            "the texture is not a PNG file: " + test::utf8Of(folder.path() / "fake.png"));
  EXPECT_EQ(reasonFor("newmtl body\nmap_Kd gone.png\n"),
            "the PNG texture cannot be read: " + test::utf8Of(folder.path() / "gone.png"));
  EXPECT_EQ(reasonFor("newmtl body\n"), "no material with a texture statement");
  EXPECT_EQ(reasonFor("newmtl body\nmap_Kd\n"),
            "the texture statement of the first material names no file");
  // A PNG too long for a container is not read.
  folder.write("huge.png", test::pngBytes(8, 8));
  std::filesystem::resize_file(folder.path() / "huge.png", kContainerFileLimit + 1);
  EXPECT_EQ(reasonFor("newmtl body\nmap_Kd huge.png\n"),
            "the PNG texture cannot be read: " + test::utf8Of(folder.path() / "huge.png"));
}

TEST_F(ModelConversionTest, GivesItsReasonInOneLineWhateverTheNames) {
  // The line feed follows a lead byte, so it belongs to the texture name.
  const ModelConversion conversion = convert(kQuad, "map_Kd tex\xFF\n");
  EXPECT_EQ(conversion.result, kFailure);
  EXPECT_EQ(conversion.refusal.english.find('\n'), std::string::npos);
  EXPECT_NE(conversion.refusal.english.find("tex"), std::string::npos);
}

TEST_F(ModelConversionTest, RefusesModelsWithoutFaces) {
  folder.write("body.png", test::pngBytes(8, 8));
  const ModelConversion conversion = convert("mtllib car.mtl\nv 0 0 0\n", "map_Kd body.png\n");
  EXPECT_EQ(conversion.result, kFailure);
  EXPECT_EQ(conversion.refusal.english, "the model has no face");
}

TEST_F(ModelConversionTest, AUtf8MarkHidesNoStatement) {
  folder.write("body.png", test::pngBytes(8, 8));
  const std::string mtl = "newmtl body\nmap_Kd body.png\n";
  // The texture coordinates of body's rectangle, not 0, 0, show that usemtl found it.
  const std::string obj = std::string(kQuad).replace(kQuad.find("vt 0 0"), 6, "vt 1 1");
  const ModelConversion unmarked = convert(obj, mtl);
  const ModelConversion marked = convert("\xEF\xBB\xBF" + obj, "\xEF\xBB\xBF" + mtl);
  ASSERT_EQ(marked.result, kSuccess) << marked.refusal.english;
  EXPECT_EQ(marked.blob, unmarked.blob);
}

TEST_F(ModelConversionTest, SaysThatUtf16TextIsNotRead) {
  const std::string wide("\xFF\xFEm\0t\0l\0", 8);
  EXPECT_EQ(convert(wide, "").refusal.code, "obj.utf16");
  const ModelRefusal library = convert(kQuad, wide).refusal;
  EXPECT_EQ(library.code, "model.no-texture-material");
  EXPECT_EQ(library.unreadableLibrary, folder.file("car.mtl"));
  EXPECT_EQ(library.libraryFault, LibraryFault::Utf16);
}

TEST_F(ModelConversionTest, GivesTheSameBytesForALargeModelOfEveryForm) {
  folder.write("body.png", test::pngBytes(256, 256));
  folder.write("part.tim", test::timBytes(3, 64, 32, 192, 128));
  const ModelConversion conversion = convert(
      test::largeObjModel(), "newmtl body\nmap_Kd body.png\nnewmtl part\nmap_Kd part.tim\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  EXPECT_EQ(conversion.blob.size(), 636974u);
  EXPECT_EQ(test::fnv1a(conversion.blob), 0x7F0AF696BC511F85u);
}

TEST_F(ModelConversionTest, TellsTheBytesReadAndStopsWhenCancelled) {
  folder.write("body.png", test::pngBytes(8, 8));
  folder.writeText("car.mtl", "newmtl body\nmap_Kd body.png\n");
  const auto path = folder.writeText("car.obj", test::largeObjModel());
  test::StoppingProgress watching(1.0);
  ASSERT_EQ(convertObjModel(path, sink, watching).result, kSuccess);
  EXPECT_GT(watching.calls, 1);
  EXPECT_EQ(watching.lastDone, std::filesystem::file_size(folder.path() / "car.obj"));
  EXPECT_EQ(watching.lastTotal, watching.lastDone);

  test::StoppingProgress cancelling;
  const ModelConversion cancelled = convertObjModel(path, sink, cancelling);
  EXPECT_EQ(cancelled.result, kCancelled);
  EXPECT_TRUE(cancelled.blob.empty());
  EXPECT_TRUE(cancelled.refusal.code.empty());
}

}  // namespace
}  // namespace qel
