#include "model/model_conversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "container/container_record.h"
#include "image/png_check.h"
#include "model/store_model.h"
#include "tests/model/model_fixtures.h"
#include "tests/support/fingerprint.h"
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
  ASSERT_EQ(conversion.result, kSuccess) << conversion.reason;
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
  EXPECT_EQ(conversion.reason, "the PNG texture is 257 x 256 pixels, larger than 256 x 256: " +
                                   (folder.path() / "body.png").string());
  folder.write("body.png", test::pngBytes(256, 257));
  EXPECT_EQ(convert(kQuad, "newmtl body\nmap_Kd body.png\n").result, kFailure);
}

TEST_F(ModelConversionTest, RefusesModelsWhoseFirstTextureIsNoUsablePng) {
  folder.write("body.tim", test::timBytes(3, 0, 0, 384, 256));
  folder.write("ok.png", test::pngBytes(8, 8));
  folder.writeText("fake.png", "not a png file at all, just text");
  const auto reasonFor = [&](std::string_view mtl) { return convert(kQuad, mtl).reason; };
  EXPECT_EQ(
      reasonFor("newmtl body\nmap_Kd body.tim\nnewmtl ok\nmap_Kd ok.png\n"),
      "the first material's texture is not a PNG file: " + (folder.path() / "body.tim").string());
  EXPECT_EQ(reasonFor("newmtl body\nmap_Kd fake.png\n"),
            "the texture is not a PNG file: " + (folder.path() / "fake.png").string());
  EXPECT_EQ(reasonFor("newmtl body\nmap_Kd gone.png\n"),
            "the PNG texture cannot be read: " + (folder.path() / "gone.png").string());
  EXPECT_EQ(reasonFor("newmtl body\n"), "no material with a texture statement");
}

TEST_F(ModelConversionTest, GivesItsReasonInOneLineWhateverTheNames) {
  // The line feed follows a lead byte, so it belongs to the texture name.
  const ModelConversion conversion = convert(kQuad, "map_Kd tex\xFF\n");
  EXPECT_EQ(conversion.result, kFailure);
  EXPECT_EQ(conversion.reason.find('\n'), std::string::npos);
  EXPECT_NE(conversion.reason.find("tex"), std::string::npos);
}

TEST_F(ModelConversionTest, RefusesModelsWithoutFaces) {
  folder.write("body.png", test::pngBytes(8, 8));
  const ModelConversion conversion = convert("mtllib car.mtl\nv 0 0 0\n", "map_Kd body.png\n");
  EXPECT_EQ(conversion.result, kFailure);
  EXPECT_EQ(conversion.reason, "the model has no face");
}

// A large model in every form the reader meets: numbers written in many ways (long,
// exponent, signed, separated by commas and tabs), every corner form, relative numbers,
// triangles to pentagons, flat and smooth normals, two materials, CR LF lines and a line
// longer than a piece.
std::string largeModel() {
  std::uint32_t state = 12345;
  const auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) & 0xFFFF);
  };
  const auto real = [&next] { return (next() - 32768.0) / 1000.0; };
  constexpr const char* kPositionForms[] = {"v %.6f %.6f %.6f\n",      "v %g %g %g\r\n",
                                            "v %.3e,%.3e,%.3e\n",      "v\t%.0f %.0f %.0f\n",
                                            "v +%.7f %.9f %.1f 1.0\n", "v %.21f %.17g %.25f\n"};
  std::string obj = "# generated\r\nmtllib car.mtl\n";
  char line[256];
  for (int i = 0; i < 6000; ++i) {
    const double x = real(), y = real(), z = real();
    std::snprintf(line, sizeof line, kPositionForms[next() % 6], x, y, z);
    obj += line;
  }
  for (int i = 0; i < 4000; ++i) {
    std::snprintf(line, sizeof line, i % 2 ? "vt %.6f %.6f\n" : "vt %.4f %.4f 0.0\n",
                  next() / 65536.0, next() / 40000.0);
    obj += line;
  }
  for (int i = 0; i < 3000; ++i) {
    std::snprintf(line, sizeof line, "vn %.6f %.6f %.6f\n", real(), real(), real());
    obj += line;
  }
  obj += "g " + std::string(1100, 'x') + " v 1 2 3\n";
  for (int face = 0; face < 5000; ++face) {
    if (face % 700 == 0) obj += face % 1400 ? "usemtl part\n" : "usemtl body\n";
    if (face % 300 == 0) obj += face % 900 == 0 ? "s off\n" : "s 1\n";
    obj += "f";
    const int corners = 3 + next() % 3;
    for (int k = 0; k < corners; ++k) {
      const std::string v = std::to_string(1 + next() % 6000);
      const std::string t = std::to_string(1 + next() % 4000);
      const std::string n = std::to_string(1 + next() % 3000);
      const std::string back = "-" + std::to_string(k + 1);
      const std::string forms[] = {v + "/" + t + "/" + n, v + "//" + n, v + "/" + t, v,
                                   back + "/" + back + "/" + back};
      obj += " " + forms[next() % 5];
    }
    obj += face % 2 ? "\r\n" : "\n";
  }
  return obj;
}

TEST_F(ModelConversionTest, GivesTheSameBytesForALargeModelOfEveryForm) {
  folder.write("body.png", test::pngBytes(256, 256));
  folder.write("part.tim", test::timBytes(3, 64, 32, 192, 128));
  const ModelConversion conversion =
      convert(largeModel(), "newmtl body\nmap_Kd body.png\nnewmtl part\nmap_Kd part.tim\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.reason;
  EXPECT_EQ(conversion.blob.size(), 636974u);
  EXPECT_EQ(test::fnv1a(conversion.blob), 0x7F0AF696BC511F85u);
}

}  // namespace
}  // namespace qel
