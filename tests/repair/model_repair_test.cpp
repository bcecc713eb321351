#include "repair/model_repair.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <string>

#include "container/container_record.h"
#include "image/image_slots.h"
#include "model/model_conversion.h"
#include "model/store_model.h"
#include "preview/png_codec.h"
#include "preview/render_preview.h"
#include "tests/model/model_fixtures.h"
#include "tests/repair/image_files.h"
#include "tests/support/stopping_progress.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

constexpr Rgba kRed{230, 20, 20, 255};
constexpr Rgba kGreen{20, 230, 20, 255};
constexpr Rgba kBlue{20, 20, 230, 255};

// Three quads side by side facing +z, one per material a, b and c.
std::string threeQuads(std::string_view mtllib) {
  std::string obj = "mtllib " + std::string(mtllib) + "\n";
  for (int quad = 0; quad < 3; ++quad) {
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
      obj += "v " + std::to_string(quad + x) + " " + std::to_string(y) + " 0\n";
    }
  }
  obj += "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n";
  for (int quad = 0; quad < 3; ++quad) {
    const int v = quad * 4;
    obj += "usemtl " + std::string(1, static_cast<char>('a' + quad)) + "\nf";
    for (int k = 1; k <= 4; ++k) obj += " " + std::to_string(v + k) + "/" + std::to_string(k);
    obj += "\n";
  }
  return obj;
}

constexpr std::array<std::uint8_t, 2> kDhtMarker = {0xFF, 0xC4};

bool isMostly(Rgba seen, Rgba wanted) {
  const auto near = [](int a, int b) { return (a > 128) == (b > 128); };
  return near(seen.r, wanted.r) && near(seen.g, wanted.g) && near(seen.b, wanted.b);
}

class ModelRepairTest : public ::testing::Test {
 protected:
  ModelConversion repair(std::string_view obj, std::string_view mtl) {
    folder.writeText("car.mtl", mtl);
    return convertObjModelWithRepair(folder.writeText("car.obj", obj), sink);
  }

  // The part as the container takes it, drawn face on: the colours at the three quads.
  static std::array<Rgba, 3> drawnQuads(const ModelConversion& conversion) {
    ContainerRecord record;
    EXPECT_EQ(storeModel(record, conversion.blob), kSuccess);
    EXPECT_TRUE(storeTexture(record, conversion.texture).ok());
    const auto texture = decodePng(conversion.texture);
    const auto mesh = readPreviewMesh(conversion.blob);
    EXPECT_TRUE(texture && mesh.mesh);
    const RgbaImage picture =
        renderPreview(*mesh.mesh, &*texture, {0.0f, 0.0f, 1.0f}, 96, 32, {0, 0, 0, 255});
    // The model is framed to fit whichever way it turns: about ten pixels a quad.
    return {picture.at(38, 16), picture.at(48, 16), picture.at(58, 16)};
  }

  static void expectRedGreenBlue(const ModelConversion& conversion) {
    const auto drawn = drawnQuads(conversion);
    EXPECT_TRUE(isMostly(drawn[0], kRed));
    EXPECT_TRUE(isMostly(drawn[1], kGreen));
    EXPECT_TRUE(isMostly(drawn[2], kBlue));
  }

  test::TempFolder folder;
  test::RecordingSink sink;
};

TEST_F(ModelRepairTest, GivesEachMaterialsImageARectangleOfItsOwn) {
  folder.write("a.jpg", test::jpegOf(RgbaImage(64, 64, kRed)));
  folder.write("b.png", encodePng(RgbaImage(1024, 512, kGreen)));
  folder.write("c.png", encodePng(RgbaImage(32, 32, kBlue)));
  const ModelConversion conversion =
      repair(threeQuads("car.mtl"),
             "newmtl a\nmap_Kd a.jpg\nnewmtl b\nmap_Kd b.png\nnewmtl c\nmap_Kd c.png\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  const auto png = decodePng(conversion.texture);
  ASSERT_TRUE(png);
  EXPECT_LE(png->width, 256);
  EXPECT_LE(png->height, 256);
  expectRedGreenBlue(conversion);
}

TEST_F(ModelRepairTest, DrawsMaterialsWithoutImageInTheirDiffuseColour) {
  const ModelConversion conversion =
      repair(threeQuads("car.mtl"),
             "newmtl a\nKd 0.9 0.1 0.1\nnewmtl b\nKd 0.1 0.9 0.1\nnewmtl c\nKd 0.1 0.1 0.9\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  expectRedGreenBlue(conversion);
}

TEST_F(ModelRepairTest, ReadsTextureStatementsAsModellersWriteThem) {
  folder.write("wood grain.png", encodePng(RgbaImage(16, 16, kRed)));
  folder.write("木目.png", encodePng(RgbaImage(16, 16, kGreen)));
  folder.write("c.bmp", Bytes());  // looked for beside the MTL file only as named
  folder.write("c.png", encodePng(RgbaImage(16, 16, kBlue)));
  const ModelConversion conversion =
      repair(threeQuads("car.mtl"),
             "newmtl a\nmap_Kd -s 1 1 1 -clamp on -mm 0 1 -o 0 nan 0 \"wood grain.png\"\r\n"
             "newmtl b\nmap_Kd -blendu off 木目.png\nnewmtl c\nmap_Kd -o 0.5 c.png\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  expectRedGreenBlue(conversion);
}

TEST_F(ModelRepairTest, GivesTheExactBytesWhenNothingNeedsMending) {
  folder.write("body.png", encodePng(RgbaImage(64, 32, kRed)));
  // A 24-bit TIM places its material in a rectangle of the first image.
  folder.write("door.tim", test::timBytes(0x9 | 0x2, 16, 8, 24, 16));
  const std::string obj = threeQuads("car.mtl");
  const std::string mtl =
      "newmtl a\nmap_Kd body.png\nnewmtl b\nmap_Kd body.png\n"
      "newmtl c\nmap_Kd door.tim\n";
  const ModelConversion repaired = repair(obj, mtl);
  const ModelConversion exact = convertObjModel(folder.file("car.obj"), sink);
  ASSERT_EQ(exact.result, kSuccess) << exact.refusal.english;
  EXPECT_EQ(repaired.blob, exact.blob);
  EXPECT_EQ(repaired.texture, exact.texture);
}

TEST_F(ModelRepairTest, TellsNoMessageOfAnExactConversionItDoesNotTake) {
  folder.write("a.jpg", test::jpegOf(RgbaImage(16, 16, kRed)));
  const ModelConversion conversion = repair(threeQuads("car.mtl"), "newmtl a\nmap_Kd a.jpg\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  EXPECT_TRUE(sink.texts.empty());
}

TEST_F(ModelRepairTest, TakesEveryCornerOfAFaceThatTheExactConversionCutsToFour) {
  folder.write("body.png", encodePng(RgbaImage(64, 32, kRed)));
  const std::string obj =
      "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0.5 2 0\nv 0 1 0\nusemtl a\n"
      "f 1 2 3 4 5 # a comment ends the corners\n";
  const ModelConversion repaired = repair(obj, "newmtl a\nmap_Kd body.png\n");
  ASSERT_EQ(repaired.result, kSuccess) << repaired.refusal.english;
  EXPECT_EQ(repaired.vertexCount, 5);
  EXPECT_EQ(repaired.indexCount, 9);  // 0 1 2, 0 2 3, 0 3 4
  EXPECT_EQ(repaired.cutFaces, 0u);
  const ModelConversion exact = convertObjModel(folder.file("car.obj"), sink);
  EXPECT_EQ(exact.vertexCount, 4);
  EXPECT_EQ(exact.cutFaces, 1u);
}

TEST_F(ModelRepairTest, ACancelAmongTheTexturesIsNoRefusal) {
  for (const char* name : {"a.png", "b.png", "c.png"}) {
    folder.write(name, encodePng(RgbaImage(16, 16, kRed)));
  }
  folder.writeText("car.mtl",
                   "newmtl a\nmap_Kd a.png\nnewmtl b\nmap_Kd b.png\nnewmtl c\nmap_Kd c.png\n");
  test::StoppingProgress pastTheReading(0.5);
  const ModelConversion conversion = convertObjModelWithRepair(
      folder.writeText("car.obj", threeQuads("car.mtl")), sink, pastTheReading);
  EXPECT_EQ(conversion.result, kCancelled);
  EXPECT_TRUE(conversion.refusal.code.empty());
  EXPECT_TRUE(conversion.texture.empty());
}

TEST_F(ModelRepairTest, TakesEveryCornerOfAFaceUpToItsBoundAndRefusesBeyond) {
  folder.write("body.png", encodePng(RgbaImage(64, 32, kRed)));
  const auto disc = [](int corners, std::string_view padding) {
    std::string obj = "mtllib car.mtl\n";
    for (int k = 0; k < corners; ++k) {
      const double angle = 6.283185 * k / corners;
      obj +=
          "v " + std::to_string(std::cos(angle)) + " " + std::to_string(std::sin(angle)) + " 0\n";
    }
    obj += "usemtl a\nf";
    for (int k = 1; k <= corners; ++k) obj += " " + std::string(padding) + std::to_string(k);
    return obj + "\n";
  };
  const std::string mtl = "newmtl a\nmap_Kd body.png\n";
  const ModelConversion whole = repair(disc(64, ""), mtl);
  ASSERT_EQ(whole.result, kSuccess) << whole.refusal.english;
  EXPECT_EQ(whole.vertexCount, 64);
  EXPECT_EQ(whole.indexCount, 62 * 3);
  EXPECT_EQ(repair(disc(257, ""), mtl).refusal.code, "obj.face-too-large");
  // 100 corners on a line of three pieces: the corners cut where a piece ends are joined.
  const ModelConversion long_line = repair(disc(100, "0000000000000"), mtl);
  ASSERT_EQ(long_line.result, kSuccess) << long_line.refusal.english;
  EXPECT_EQ(long_line.vertexCount, 100);
}

TEST_F(ModelRepairTest, DrawsAModelWithoutMaterialsLightGrey) {
  const ModelConversion conversion = repair(threeQuads("none.mtl"), "");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  const auto drawn = drawnQuads(conversion);
  EXPECT_TRUE(isMostly(drawn[1], {192, 192, 192, 255}));
}

TEST_F(ModelRepairTest, DrawsFacesBeforeTheFirstMaterialLightGreyBesideTheOthers) {
  std::string obj = threeQuads("car.mtl");
  obj.erase(obj.find("usemtl a\n"), 9);
  obj.replace(obj.find("usemtl b"), 8, "usemtl a");
  const ModelConversion conversion =
      repair(obj, "newmtl a\nKd 0.9 0.1 0.1\nnewmtl b\nKd 0.1 0.9 0.1\nnewmtl c\nKd 0.1 0.1 0.9\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  const auto drawn = drawnQuads(conversion);
  EXPECT_TRUE(isMostly(drawn[0], {192, 192, 192, 255}));
  EXPECT_TRUE(isMostly(drawn[1], kRed));
}

TEST_F(ModelRepairTest, RefusesWhatItCannotMendWithTheReason) {
  EXPECT_EQ(repair("v 0 0 0\n", "").refusal.code, "model.no-face");
}

TEST_F(ModelRepairTest, DrawsAMaterialWhoseImageCannotBeTakenInItsColourAndNamesTheImage) {
  folder.write("b.png", Bytes{1, 2, 3});
  // A Huffman table of more codes than it holds, which the decoder would write past.
  Bytes jpeg = test::jpegOf(RgbaImage(8, 8, kBlue));
  const auto table = std::search(jpeg.begin(), jpeg.end(), kDhtMarker.begin(), kDhtMarker.end());
  ASSERT_NE(table, jpeg.end());
  std::fill_n(table + 5, 16, 0x20);
  folder.write("c.jpg", jpeg);
  const ModelConversion conversion =
      repair(threeQuads("car.mtl"),
             "newmtl a\nKd 0.9 0.1 0.1\nmap_Kd gone.jpg\nnewmtl b\nKd 0.1 0.9 0.1\nmap_Kd b.png\n"
             "newmtl c\nKd 0.1 0.1 0.9\nmap_Kd c.jpg\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  expectRedGreenBlue(conversion);
  const std::vector<SkippedImage>& skipped = conversion.repairNotes.skipped;
  ASSERT_EQ(skipped.size(), 3u);
  EXPECT_EQ(skipped[0].path, folder.file("gone.jpg"));
  EXPECT_EQ(skipped[0].fault, ImageFault::Missing);
  EXPECT_EQ(skipped[1].fault, ImageFault::NotAnImage);
  EXPECT_EQ(skipped[2].fault, ImageFault::Damaged);
}

TEST_F(ModelRepairTest, GoesOnWithColourCellsWhenTheMaterialLibraryCannotBeRead) {
  const ModelConversion conversion = repair(threeQuads("gone.mtl"), "");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  EXPECT_EQ(conversion.repairNotes.unreadableLibrary, folder.file("gone.mtl"));
}

TEST_F(ModelRepairTest, DecodesAFileOnceWhateverNameReachesIt) {
  folder.write("a.png", encodePng(RgbaImage(16, 16, kRed)));
  std::filesystem::create_hard_link(folder.path() / "a.png", folder.path() / "link.png");
  const ModelConversion conversion =
      repair(threeQuads("car.mtl"),
             "newmtl a\nmap_Kd a.png\nnewmtl b\nmap_Kd ./link.png\nnewmtl c\nmap_Kd A.PNG\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  EXPECT_EQ(conversion.repairNotes.images.size(), 1u);
}

TEST_F(ModelRepairTest, TakesTheDiffuseImageElseTheFirstTextureStatement) {
  folder.write("normal.png", encodePng(RgbaImage(16, 16, kBlue)));
  folder.write("a.png", encodePng(RgbaImage(16, 16, kRed)));
  folder.write("b.png", encodePng(RgbaImage(16, 16, kGreen)));
  const ModelConversion conversion =
      repair(threeQuads("car.mtl"),
             "newmtl a\nmap_Bump normal.png\nmap_Kd a.png\nnewmtl b\nmap_Ka b.png\n"
             "map_Bump normal.png\nnewmtl c\nbump normal.png\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  expectRedGreenBlue(conversion);
}

TEST_F(ModelRepairTest, TakesAnImageBesideTheModelNamedAfterItWhenNoMaterialNamesOne) {
  folder.write("car_diffuse.tga", test::tgaOf(RgbaImage(16, 16, kGreen), false));
  const ModelConversion conversion = repair(threeQuads("car.mtl"), "newmtl a\nnewmtl b\n");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  EXPECT_TRUE(isMostly(drawnQuads(conversion)[2], kGreen));
  ASSERT_TRUE(conversion.repairNotes.imageFoundBeside);
  EXPECT_EQ(conversion.repairNotes.images, std::vector{folder.file("car_diffuse.tga")});
}

TEST_F(ModelRepairTest, RefusesTexturesBeyondTheDecodingOfOneConversion) {
  // Headers alone of 17 pictures of 4096 x 4096: refused before any is decoded.
  std::string mtl;
  std::string obj = "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\n";
  for (int i = 0; i < 17; ++i) {
    Bytes png = encodePng(RgbaImage(1, 1, kRed));
    png.resize(33);  // signature and header chunk
    for (const int at : {16, 20}) std::copy_n(Bytes{0, 0, 0x10, 0}.begin(), 4, png.begin() + at);
    const std::string name = "t" + std::to_string(i) + ".png";
    folder.write(name, png);
    mtl += "newmtl m" + std::to_string(i) + "\nmap_Kd " + name + "\n";
    obj += "usemtl m" + std::to_string(i) + "\nf 1 2 3\n";
  }
  EXPECT_EQ(repair(obj, mtl).refusal.code, "repair.decoding-bound");
}

}  // namespace
}  // namespace qel
