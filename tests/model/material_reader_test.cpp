#include "model/material_reader.h"

#include <gtest/gtest.h>

#include "model/tim_header.h"
#include "tests/model/model_fixtures.h"
#include "tests/support/memory_file_system.h"

namespace qel {
namespace {

using test::pngBytes;

struct Rect {
  float x, y, width, height;
  bool operator==(const Rect&) const = default;
};

Rect rectOf(const MaterialEntry& entry) {
  return {entry.rectX, entry.rectY, entry.rectWidth, entry.rectHeight};
}

class MaterialReaderTest : public ::testing::Test {
 protected:
  Result read(std::string_view mtl, std::u16string path = u"C:\\data\\car\\car.mtl") {
    files.addText(path, mtl);
    diagnostics = ModelDiagnostics(ModelDiagnostics::Mode::FirstError);
    return readMaterialFile(path, *model, sink, diagnostics);
  }

  test::MemoryFileSystem files;
  ObjModelPtr model = createObjModel();
  test::RecordingSink sink;
  ModelDiagnostics diagnostics{ModelDiagnostics::Mode::FirstError};
  std::string refusal() const { return diagnostics.refusal({}).english; }
};

TEST_F(MaterialReaderTest, MakesOneEntryPerTextureStatementNamedByTheNewmtlBeforeIt) {
  files.add(u"C:\\data\\car\\a.png", pngBytes(64, 32));
  files.add(u"C:\\data\\car\\b.png", pngBytes(128, 512));
  EXPECT_EQ(read("newmtl Lost\nKd 1 1 1\nnewmtl A\nmap_Kd a.png\nnewmtl B\nmap_Kd b.png\n"
                 "map_Bump a.png\n"),
            kSuccess);
  ASSERT_EQ(model->materials.size(), 3);
  EXPECT_EQ(model->materials[0].nameView(), "A");
  EXPECT_EQ(model->materials[1].nameView(), "B");
  EXPECT_EQ(model->materials[2].nameView(), "");  // a second texture after one newmtl
  EXPECT_EQ(rectOf(model->materials[1]), (Rect{0, 0, 128, 512}));
  EXPECT_EQ(model->atlasWidth, 64.0f);  // the last texture read sets the atlas
  EXPECT_EQ(model->atlasHeight, 32.0f);
  EXPECT_TRUE(sink.texts.empty());
}

TEST_F(MaterialReaderTest, LooksForBmpAndPngInItsOwnFolderWithALowerCaseExtension) {
  files.add(u"C:\\data\\car\\Tex.png", pngBytes(16, 16));
  files.add(u"C:\\data\\car\\wood.bmp", test::bmpBytes(32, -64));
  read("newmtl A\nmap_Kd Tex.PNG\nnewmtl B\nmap_Kd sub\\wood.BMP\n");
  ASSERT_EQ(model->materials.size(), 2);
  EXPECT_EQ(model->materials[0].texturePath.view(), u"C:\\data\\car\\Tex.png");
  EXPECT_EQ(rectOf(model->materials[0]), (Rect{0, 0, 16, 16}));
  EXPECT_EQ(model->materials[1].texturePath.view(), u"C:\\data\\car\\wood.bmp");
  EXPECT_EQ(rectOf(model->materials[1]), (Rect{0, 0, 32, -64}));
  EXPECT_EQ(model->atlasHeight, -64.0f);
}

TEST_F(MaterialReaderTest, FindsTexturesWhoseNameDiffersInCase) {
  files.add(u"/m/TEX.png", pngBytes(8, 8));
  files.add(u"/m/tex.PNG", pngBytes(16, 16));
  read("newmtl A\nmap_Kd Tex.png\n", u"/m/car.mtl");
  EXPECT_EQ(rectOf(model->materials[0]), (Rect{0, 0, 8, 8}));  // the first in code-unit order
}

TEST_F(MaterialReaderTest, UnreadableTexturesLeaveAZeroRectangleAndTheAtlas) {
  files.add(u"C:\\data\\car\\short.bmp", test::bmpBytes(32, 32, 53));
  files.add(u"C:\\data\\car\\fake.png", Bytes(40, 'P'));
  read("newmtl A\nmap_Kd short.bmp\nnewmtl B\nmap_Kd fake.png\nmap_Kd missing.png\n");
  ASSERT_EQ(model->materials.size(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(rectOf(model->materials[i]), (Rect{0, 0, 0, 0}));
  EXPECT_EQ(model->atlasWidth, 256.0f);
  EXPECT_EQ(model->materials[2].texturePath.view(), u"C:\\data\\car\\missing.png");
  EXPECT_TRUE(sink.texts.empty());
}

TEST_F(MaterialReaderTest, SearchesTimTexturesInFourPlacesAndSaysWhenNoneHasIt) {
  read("newmtl A\nmap_Kd car.jpg\n");
  const std::vector<std::u16string> tried = {u"C:\\data\\car\\car.mtl", u"C:\\data\\car\\car.tim",
                                             u"C:\\data\\TIM/car.tim", u"C:\\data\\car.tim",
                                             u"car.jpg"};
  std::vector<std::u16string> opened = files.opened;
  opened.erase(std::unique(opened.begin(), opened.end()), opened.end());  // case lookups retry
  EXPECT_EQ(opened, tried);
  EXPECT_EQ(model->materials[0].texturePath.view(), u"car.jpg");
  EXPECT_EQ(sink.texts, std::vector<std::u16string>{u"WAVEFRONT TIM LOAD ERROR [car.jpg]"});
}

TEST_F(MaterialReaderTest, TellsTheTimNameAsWrittenInCodePage932) {
  read("newmtl A\nmap_Kd \x83\x65\x83\x4E\x83\x58\x83\x60\x83\x83\n");
  EXPECT_EQ(sink.texts, std::vector<std::u16string>{u"WAVEFRONT TIM LOAD ERROR [テクスチャ]"});
}

TEST_F(MaterialReaderTest, TakesTheRectangleOfA24BitTimAndLeavesTheAtlas) {
  files.add(u"C:\\data\\TIM/body.tim", test::timBytes(0x9 | 0x2, 64, 32, 384, 256));
  files.add(u"C:\\data\\roof.tim", test::timBytes(0x3, 0, 0, 100, 7));
  read("newmtl A\nmap_Kd body.tim\nnewmtl B\nmap_Kd roof\n");
  EXPECT_EQ(rectOf(model->materials[0]), (Rect{64, 32, 256, 256}));
  EXPECT_EQ(rectOf(model->materials[1]), (Rect{0, 0, 66, 7}));
  EXPECT_EQ(model->atlasWidth, 256.0f);
  EXPECT_TRUE(sink.texts.empty());
}

TEST_F(MaterialReaderTest, TellsTheDepthOfTimsThatAreNot24Bit) {
  files.add(u"C:\\data\\car\\p8.tim", test::timBytes(0x9, 1, 1, 10, 10));
  files.add(u"C:\\data\\car\\p4.tim", test::timBytes(0x8, 1, 1, 10, 10));
  files.add(u"C:\\data\\car\\p16.tim", test::timBytes(0x2, 1, 1, 10, 10));
  files.add(u"C:\\data\\car\\cut.tim", Bytes{0x10, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  read("map_Kd p8.tim\nmap_Kd p4.tim\nmap_Kd p16.tim\nmap_Kd cut.tim\n");
  EXPECT_EQ(sink.texts, (std::vector<std::u16string>{
                            u"WAVEFRONT TIM COLOR-BIT ERROR [bit 8][C:\\data\\car\\p8.tim]",
                            u"WAVEFRONT TIM COLOR-BIT ERROR [bit 0][C:\\data\\car\\p4.tim]",
                            u"WAVEFRONT TIM COLOR-BIT ERROR [bit 0][C:\\data\\car\\p16.tim]",
                            u"WAVEFRONT TIM COLOR-BIT ERROR [bit 0][C:\\data\\car\\cut.tim]"}));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(rectOf(model->materials[i]), (Rect{0, 0, 0, 0}));
}

TEST_F(MaterialReaderTest, AMaterialFileInARootFolderLooksInThatFolderAsItsParent) {
  read("map_Kd car.tim\n", u"C:\\car.mtl");
  EXPECT_EQ(std::count(files.opened.begin(), files.opened.end(), u"C:\\TIM/car.tim"), 1);
  EXPECT_GE(std::count(files.opened.begin(), files.opened.end(), u"C:\\car.tim"), 2);
}

TEST_F(MaterialReaderTest, RefusesMoreThan4096TextureStatements) {
  std::string mtl;
  for (int i = 0; i < 4096; ++i) mtl += "newmtl m" + std::to_string(i) + "\nmap_Kd x.png\n";
  EXPECT_EQ(read(mtl + "newmtl past\n"), kSuccess);
  EXPECT_EQ(model->materials.size(), 4096);
  EXPECT_EQ(model->materials[4095].nameView(), "m4095");

  resetObjModel(*model);
  EXPECT_EQ(read(mtl + "map_Kd one.png\n"), kFailure);
  EXPECT_EQ(refusal(), "C:\\data\\car\\car.mtl line 8193: more than 4096 materials");
}

TEST_F(MaterialReaderTest, MissingFilesLeaveTheModelAsItWas) {
  EXPECT_EQ(readMaterialFile(u"C:\\none.mtl", *model, sink, diagnostics), kFailure);
  EXPECT_EQ(model->materials.size(), 0);
  EXPECT_TRUE(refusal().empty());
}

TEST(TimHeader, ReadsOriginAndSizeOf24BitImagesOnly) {
  const Bytes tim = test::timBytes(0x3, 640, 2, 384, 100);
  const TimOrigin origin = timImageOrigin(tim);
  EXPECT_EQ(origin.depth, 24);
  EXPECT_EQ(origin.x, 640);
  EXPECT_EQ(origin.y, 2);
  EXPECT_EQ(timImageSize(tim).width, 256);
  EXPECT_EQ(timImageSize(test::timBytes(0x3, 0, 0, 0xFFFF, 0xFFFF)).width, 43690);
  EXPECT_EQ(timImageOrigin(test::timBytes(0x1, 9, 9, 9, 9)).depth, 8);
  EXPECT_EQ(timImageOrigin(Bytes(19, 3)).depth, 0);
  EXPECT_EQ(timImageSize(Bytes(19, 3)).width, 0);
}

}  // namespace
}  // namespace qel
