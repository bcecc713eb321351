#include "repair/model_repair.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "container/container_record.h"
#include "image/image_slots.h"
#include "model/model_conversion.h"
#include "model/store_model.h"
#include "preview/png_codec.h"
#include "preview/render_preview.h"
#include "tests/model/model_fixtures.h"
#include "tests/support/temp_folder.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

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

Bytes jpegOf(const RgbaImage& image) {
  Bytes out;
  const auto append = [](void* context, void* data, int size) {
    auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes, bytes + size);
  };
  stbi_write_jpg_to_func(append, &out, image.width, image.height, 4, image.pixels.data(), 95);
  return out;
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
  folder.write("a.jpg", jpegOf(RgbaImage(64, 64, kRed)));
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
             "newmtl a\nmap_Kd -s 1 1 1 -clamp on -mm 0 1 \"wood grain.png\"\r\n"
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

TEST_F(ModelRepairTest, DrawsAModelWithoutMaterialsLightGrey) {
  const ModelConversion conversion = repair(threeQuads("none.mtl"), "");
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  const auto drawn = drawnQuads(conversion);
  EXPECT_TRUE(isMostly(drawn[1], {192, 192, 192, 255}));
}

TEST_F(ModelRepairTest, RefusesWhatItCannotMendWithTheReason) {
  folder.write("a.png", Bytes{1, 2, 3});
  EXPECT_EQ(repair("v 0 0 0\n", "").refusal.code, "model.no-face");
  EXPECT_EQ(repair(threeQuads("car.mtl"), "newmtl a\nmap_Kd a.png\n").refusal.code,
            "repair.texture-unreadable");
  EXPECT_EQ(repair(threeQuads("car.mtl"), "newmtl a\nmap_Kd gone.jpg\n").refusal.code,
            "repair.texture-unreadable");
  // A Huffman table of more codes than it holds, which the decoder would write past.
  Bytes jpeg = jpegOf(RgbaImage(8, 8, kRed));
  const auto table = std::search(jpeg.begin(), jpeg.end(), kDhtMarker.begin(), kDhtMarker.end());
  ASSERT_NE(table, jpeg.end());
  std::fill_n(table + 5, 16, 0x20);
  folder.write("b.jpg", jpeg);
  const ModelConversion damaged = repair(threeQuads("car.mtl"), "newmtl a\nmap_Kd b.jpg\n");
  EXPECT_EQ(damaged.refusal.code, "repair.texture-unreadable");
  EXPECT_NE(damaged.refusal.english.find("Huffman"), std::string::npos) << damaged.refusal.english;
  // A chunk the decoder does not know, whose type it quotes, holding a line break.
  Bytes png = encodePng(RgbaImage(4, 4, kRed));
  const Bytes chunk = {0, 0, 0, 0, '\n', 'm', 't', 'l', 0, 0, 0, 0};
  png.insert(png.begin() + 33, chunk.begin(), chunk.end());
  folder.write("c.png", png);
  const std::string reason =
      repair(threeQuads("car.mtl"), "newmtl a\nmap_Kd c.png\nnewmtl b\n").refusal.english;
  EXPECT_NE(reason.find("damaged (?mtl"), std::string::npos) << reason;
  EXPECT_EQ(reason.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace qel
