#include <gtest/gtest.h>

#include "app/commands/commands.h"
#include "base/utf.h"
#include "preview/png_codec.h"
#include "resources/picker_texts.h"
#include "resources/preview_texts.h"
#include "resources/refusal_texts.h"
#include "resources/shell_texts.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::CommandBench;

constexpr std::string_view kTriangle =
    "mtllib box.mtl\n"
    "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
    "vt 0 0\nvt 1 0\nvt 0 1\n"
    "usemtl skin\n"
    "f 1/1 2/2 3/3\n";

class ModelCommand : public ::testing::Test {
 protected:
  // An OBJ file whose first material names texture as its PNG.
  std::u16string writeModel(std::string_view texture) {
    folder.writeText("box.mtl", "newmtl skin\nmap_Kd " + std::string(texture) + "\n");
    return folder.writeText("box.obj", kTriangle);
  }
  test::TempFolder folder;
  CommandBench bench;
};

TEST_F(ModelCommand, SetsModelAndTextureTogetherWithoutAFileBesideTheModel) {
  const Bytes png = test::pngOf(64, 32, 40);
  folder.write("skin.png", png);
  bench.ui.choose(writeModel("skin.png"));
  bench.run(loadModelFile);
  ASSERT_TRUE(bench.record().modelData.has_value());
  EXPECT_EQ(bench.record().modelVertexCount, 3u);
  EXPECT_EQ(bench.record().textureData, png);
  EXPECT_EQ(bench.record().textureWidth, 64);
  EXPECT_EQ(bench.record().textureHeight, 32);
  EXPECT_EQ(bench.ui.repaintCount, 1);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "box.tmp"));

  ASSERT_EQ(bench.ui.pickers.size(), 1u);
  EXPECT_EQ(bench.ui.pickers[0].request.filterPattern, u"*.obj");
}

// The refusals authors met most, each said in one box after the part's own first line.
// The refusals authors met most, each said in one box after the part's own first line; what
// the repair can mend is offered instead, and キャンセル leaves everything as it was.
TEST_F(ModelCommand, ARefusedModelChangesNothingAndSaysWhy) {
  bench.record() = test::readyRecord();
  folder.write("huge.png", test::pngOf(1024, 1024));
  folder.write("photo.jpg", {0xFF, 0xD8, 0xFF, 0xE0});
  // A strip of 5,100 quads, simplified before it is offered.
  std::string many = "mtllib box.mtl\nusemtl skin\n";
  for (int i = 0; i <= 5'100; ++i)
    many += "v " + std::to_string(i) + " 0 0\nv " + std::to_string(i) + " 1 0\n";
  for (int i = 0; i < 5'100; ++i) {
    many += "f " + std::to_string(2 * i + 1) + " " + std::to_string(2 * i + 3) + " " +
            std::to_string(2 * i + 4) + " " + std::to_string(2 * i + 2) + "\n";
  }
  folder.write("ok.png", encodePng(RgbaImage(8, 8, {90, 90, 90, 255})));
  struct Case {
    std::string_view texture;
    std::string obj;
    std::u16string_view reason;
    bool offered;
    int cancelButton = 1;  // the last: a model without textures can take a picked image
  };
  const Case cases[] = {
      {"huge.png", std::string(kTriangle),
       u"テクスチャー「huge.png」の大きさが1024×1024ピクセルです。", true},
      {"photo.jpg", std::string(kTriangle), u"テクスチャー「photo.jpg」はJPEG形式です。", true},
      {"ok.png", many, u"三角形が10,200個あります。設定できるのは10,000個までです。", true},
      {"ok.png", "mtllib gone.mtl\n" + std::string(kTriangle.substr(15)),
       u"MTLファイル「gone.mtl」が見つかりません。", true, 2},
  };
  for (const Case& c : cases) {
    writeModel(c.texture);
    bench.ui.choose(folder.writeText("box.obj", c.obj));
    if (c.offered) {
      bench.ui.pressChoice(c.cancelButton);
    } else {
      bench.ui.answer(platform::kIdOk);
    }
    const std::size_t boxesBefore = bench.ui.messageBoxes.size();
    bench.run(loadModelFile);
    // No TIM box of the exact conversion comes before an offer.
    ASSERT_EQ(bench.ui.messageBoxes.size(), boxesBefore + (c.offered ? 0 : 1));
    const std::u16string& text =
        c.offered ? bench.ui.choices.back().text : bench.ui.messageBoxes.back().text;
    const std::u16string_view first = c.offered ? u"このモデルはそのままでは設定できません。\n"
                                                : u"このモデルは設定できません。\n";
    EXPECT_EQ(text.rfind(first, 0), 0u) << toUtf8(text);
    EXPECT_NE(text.find(c.reason), std::u16string::npos) << toUtf8(text);
    EXPECT_EQ(c.offered, text.ends_with(u"修復して読み込みますか？")) << toUtf8(text);
  }
  // Without its material library the repair has no Kd to draw from.
  EXPECT_EQ(bench.ui.choices.back().text.find(u"（Kd）"), std::u16string::npos);
  EXPECT_EQ(bench.record().modelData, test::readyRecord().modelData);
  EXPECT_EQ(bench.record().textureData, test::readyRecord().textureData);
  EXPECT_EQ(bench.ui.repaintCount, 0);
}

TEST_F(ModelCommand, TheRepairOfferNamesTheImagesItPacksAndThoseItLeavesOut) {
  folder.write("a.png", encodePng(RgbaImage(300, 8, {200, 40, 40, 255})));
  folder.write("b.png", encodePng(RgbaImage(8, 8, {40, 200, 40, 255})));
  folder.writeText(
      "box.mtl",
      "newmtl skin\nmap_Kd a.png\nnewmtl lid\nmap_Kd b.png\nnewmtl rim\nmap_Kd gone.jpg\n");
  bench.ui.choose(folder.writeText("box.obj", std::string(kTriangle) +
                                                  "usemtl lid\nf 1/1 2/2 3/3\n"
                                                  "usemtl rim\nf 1/1 2/2 3/3\n"));
  bench.ui.pressChoice(1);
  bench.run(loadModelFile);
  ASSERT_EQ(bench.ui.choices.size(), 1u);
  const std::u16string& text = bench.ui.choices[0].text;
  EXPECT_NE(text.find(u"（1枚のテクスチャーにまとめます）：「a.png」、「b.png」"),
            std::u16string::npos)
      << toUtf8(text);
  EXPECT_NE(text.find(u"「gone.jpg」（見つからないか読み込めない）"), std::u16string::npos)
      << toUtf8(text);
}

TEST_F(ModelCommand, TheRepairOfferedSetsTheModelWithATextureThatFits) {
  folder.write("large.png", encodePng(RgbaImage(512, 300, {200, 40, 40, 255})));
  bench.ui.choose(writeModel("large.png")).pressChoice(0);
  bench.run(loadModelFile);
  ASSERT_EQ(bench.ui.choices.size(), 1u);
  ASSERT_TRUE(bench.record().modelData && bench.record().textureData);
  EXPECT_LE(bench.record().textureWidth, 256);
  EXPECT_LE(bench.record().textureHeight, 256);
  EXPECT_EQ(bench.ui.repaintCount, 1);
}

// A model whose materials name no texture is painted in their colours, unless the author
// picks a picture for it in the offer.
TEST_F(ModelCommand, TheRepairOfferTakesAnImageTheAuthorPicksForAModelWithoutTextures) {
  folder.write("paint.png", encodePng(RgbaImage(16, 16, {30, 60, 220, 255})));
  folder.writeText("box.mtl", "newmtl skin\nKd 1 0 0\n");
  bench.ui.choose(folder.writeText("box.obj", kTriangle))
      .pressChoice(1)
      .choose(folder.path().u16string() + u"/paint.png");
  bench.run(loadModelFile);
  ASSERT_EQ(bench.ui.choices.size(), 1u);
  ASSERT_EQ(bench.ui.pickers.size(), 2u);
  EXPECT_EQ(bench.ui.pickers[1].request.filterPattern, resources::kRepairImagePatterns);
  ASSERT_TRUE(bench.record().textureData);
  const auto texture = decodePng(*bench.record().textureData);
  ASSERT_TRUE(texture);
  EXPECT_EQ(texture->at(0, 0).b, 220);
}

TEST_F(ModelCommand, AModelWithFacesOfMoreThanFourCornersIsOfferedTheRepair) {
  folder.write("skin.png", encodePng(RgbaImage(8, 8, {200, 40, 40, 255})));
  folder.writeText("box.mtl", "newmtl skin\nmap_Kd skin.png\nnewmtl door\nmap_Kd gone.tim\n");
  const std::u16string model =
      folder.writeText("box.obj",
                       "mtllib box.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 2 0\nv 0 1 0\nusemtl skin\n"
                       "f 1 2 3 4 5\n");
  bench.ui.choose(model).pressChoice(1);
  bench.run(loadModelFile);
  ASSERT_EQ(bench.ui.choices.size(), 1u);
  EXPECT_EQ(bench.ui.choices[0].text, resources::cutFacesOfferText(1));
  EXPECT_EQ(bench.record().modelVertexCount, 4u);  // as it is
  // Its TIM box once, after the question: it belongs to the model as it is.
  ASSERT_EQ(bench.ui.messageBoxes.size(), 1u);
  EXPECT_EQ(bench.ui.messageBoxes[0].text, u"WAVEFRONT TIM LOAD ERROR [gone.tim]");

  bench.ui.choose(model).pressChoice(0);
  bench.run(loadModelFile);
  EXPECT_EQ(bench.record().modelVertexCount, 5u);  // repaired
  EXPECT_EQ(bench.ui.messageBoxes.size(), 1u);
}

// A side view generated from the model before no longer shows the part; one set from a file
// is the author's own and stays without a word.
TEST_F(ModelCommand, ANewModelUnderAGeneratedSideViewIsOfferedANewOne) {
  folder.write("skin.png", test::pngOf(8, 8));
  const std::u16string model = writeModel("skin.png");
  bench.ui.choose(model).answer(platform::kIdOk).answer(platform::kIdOk);
  bench.run(loadModelFile);
  bench.run(generateSideView);
  setModelFrom(bench.app, bench.ui.window(), model);
  ASSERT_EQ(bench.ui.pictures.size(), 2u);
  EXPECT_EQ(bench.ui.messageBoxes.back().text.rfind(resources::kSideViewOfPreviousModel, 0), 0u);
  EXPECT_EQ(bench.ui.messageBoxes.back().caption, u"サイドビューを生成");

  bench.ui.choose(folder.write("side.png", test::pngOf(16, 8)));
  bench.run(loadSideViewFile);
  setModelFrom(bench.app, bench.ui.window(), model);
  EXPECT_EQ(bench.ui.pictures.size(), 2u);
  EXPECT_EQ(bench.record().sideViewData, test::pngOf(16, 8));
}

// The conversion runs behind the progress box, and キャンセル there leaves the part as it was.
TEST_F(ModelCommand, ACancelledConversionLeavesThePartAsItWas) {
  bench.record() = test::readyRecord();
  folder.write("skin.png", test::pngOf(8, 8));
  bench.ui.choose(writeModel("skin.png"));
  bench.ui.cancelLongWork = true;
  bench.run(loadModelFile);
  EXPECT_EQ(bench.record(), test::readyRecord());
  EXPECT_EQ(bench.ui.longWorkTexts,
            std::vector<std::u16string>{std::u16string(resources::kConvertingModelText)});
  EXPECT_TRUE(bench.ui.messageBoxes.empty());
}

}  // namespace
}  // namespace qel
