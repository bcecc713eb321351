#include <gtest/gtest.h>

#include "app/commands/commands.h"
#include "base/utf.h"
#include "preview/png_codec.h"
#include "tests/preview/preview_fixtures.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::CommandBench;

constexpr std::u16string_view kUnusable = u"このファイルは使用できません。";

class ImageCommands : public ::testing::Test {
 protected:
  test::TempFolder folder;
  CommandBench bench;
};

TEST_F(ImageCommands, LoadedTextureAndSideViewReplaceTheirSlotsAndRepaint) {
  const Bytes texture = test::pngOf(256, 256, 7);
  const Bytes sideView = test::pngOf(300, 1, 3);  // too wide
  const Bytes sideViewOk = test::pngOf(1, 256);
  bench.ui.choose(folder.write("t.png", texture))
      .choose(folder.write("wide.png", sideView))
      .choose(folder.write("s.png", sideViewOk));
  bench.run(loadTextureFile);
  bench.run(loadSideViewFile);
  bench.run(loadSideViewFile);
  EXPECT_EQ(bench.record().textureData, texture);
  EXPECT_EQ(bench.record().textureWidth, 256);
  EXPECT_EQ(bench.record().sideViewData, sideViewOk);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 1u);
  EXPECT_EQ(bench.ui.messageBoxes[0].text,
            std::u16string(kUnusable) +
                u"\n画像の大きさが300×1ピクセルです。使用できるのは256×256ピクセルまでです。\n"
                u"画像を縮小してから、もう一度設定してください。");
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"サイドビュー");
  EXPECT_EQ(bench.ui.repaintCount, 3);  // a refused file repaints too

  ASSERT_EQ(bench.ui.pickers.size(), 3u);
  for (const test::PickerCall& picker : bench.ui.pickers) {
    EXPECT_FALSE(picker.save);
    EXPECT_EQ(picker.request.filterPattern, u"*.png");
    EXPECT_EQ(picker.request.defaultExtension, u"png");
  }
}

TEST_F(ImageCommands, AnImageTooLargeIsConvertedIntoAPngThatFitsWhenTheAuthorAgrees) {
  bench.ui.choose(folder.write("large.png", encodePng(RgbaImage(512, 256, {9, 9, 9, 255}))))
      .answer(platform::kIdOk);
  bench.run(loadTextureFile);
  ASSERT_TRUE(bench.record().textureData);
  EXPECT_EQ(bench.record().textureWidth, 256);
  EXPECT_EQ(bench.record().textureHeight, 128);
}

TEST_F(ImageCommands, RefusedTextureKeepsTheEarlierOneAndSaysSoUnderItsCaption) {
  bench.record() = test::readyRecord();
  const std::uint64_t revision = bench.app.document.revision();
  bench.ui.choose(folder.writeText("notes.png", "just some text, long enough for a header"));
  bench.run(loadTextureFile);
  EXPECT_EQ(bench.app.document.revision(), revision);
  EXPECT_EQ(bench.record().textureData, test::readyRecord().textureData);
  EXPECT_EQ(bench.record().textureHeight, 128);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 1u);
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"テクスチャー");
  EXPECT_EQ(bench.ui.messageBoxes[0].owner, bench.ui.window());
  EXPECT_EQ(bench.ui.repaintCount, 1);
}

TEST_F(ImageCommands, UnreadableFilesAreSaidAndCancelledPickersEndSilently) {
  bench.ui.choose(folder.write("empty.png", {})).choose(folder.file("missing.png")).cancelPicker();
  bench.run(loadTextureFile);
  bench.run(loadSideViewFile);
  bench.run(loadTextureFile);
  EXPECT_FALSE(bench.record().textureData || bench.record().sideViewData);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 2u);
  for (const auto& box : bench.ui.messageBoxes) {
    EXPECT_EQ(box.text.rfind(std::u16string(kUnusable) + u"\nファイルを読み込めません", 0), 0u);
  }
  EXPECT_EQ(bench.ui.repaintCount, 0);
}

TEST_F(ImageCommands, ExportWritesTheSlotByteForByteAndNeverRepaints) {
  bench.record() = test::readyRecord();
  const std::u16string texture = folder.file("texture-out.png");
  const std::u16string sideView = folder.file("side-out.png");
  bench.ui.choose(texture).choose(sideView);
  bench.run(exportTextureFile);
  bench.run(exportSideViewFile);
  EXPECT_EQ(test::readFile(toUtf8(texture)), test::readyRecord().textureData);
  EXPECT_EQ(test::readFile(toUtf8(sideView)), test::readyRecord().sideViewData);
  ASSERT_EQ(bench.ui.pickers.size(), 2u);
  EXPECT_TRUE(bench.ui.pickers[0].save && bench.ui.pickers[1].save);
  EXPECT_EQ(bench.ui.repaintCount, 0);
  EXPECT_TRUE(bench.ui.messageBoxes.empty());
}

TEST_F(ImageCommands, ExportOfAnEmptySlotShowsNoPicker) {
  bench.run(exportTextureFile);
  bench.run(exportSideViewFile);
  EXPECT_TRUE(bench.ui.pickers.empty());
}

TEST_F(ImageCommands, FailedExportSaysSoUnderTheCaptionOfItsSlot) {
  bench.record() = test::readyRecord();
  const std::u16string texture = folder.file("gone/t.png");
  const std::u16string sideView = folder.file("gone/s.png");
  bench.ui.choose(texture).choose(sideView);
  bench.run(exportTextureFile);
  bench.run(exportSideViewFile);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 2u);
  const std::u16string why = u"\nフォルダーが見つかりません。";
  EXPECT_EQ(bench.ui.messageBoxes[0].text, u"保存できませんでした。\n" + texture + why);
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"テクスチャー");
  EXPECT_EQ(bench.ui.messageBoxes[1].text, u"保存できませんでした。\n" + sideView + why);
  EXPECT_EQ(bench.ui.messageBoxes[1].caption, u"サイドビュー");
  EXPECT_EQ(bench.ui.repaintCount, 0);
}

TEST_F(ImageCommands, GeneratedSideViewIsShownFirstAndStoredOnlyOnOk) {
  bench.run(generateSideView);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 1u);
  EXPECT_EQ(bench.ui.messageBoxes[0].text.rfind(u"サイドビューを生成できません。\n3Dモデルが", 0),
            0u);
  EXPECT_TRUE(bench.ui.pictures.empty());

  const Bytes current = encodePng(RgbaImage(120, 40, {0, 0, 255, 255}));
  bench.record().modelData = test::colouredBoxBlob(6000, 1300, 1200);
  bench.record().sideViewData = current;
  bench.ui.answer(platform::kIdCancel).answer(platform::kIdOk);
  bench.run(generateSideView);
  EXPECT_EQ(bench.record().sideViewData, current);
  bench.run(generateSideView);
  ASSERT_EQ(bench.ui.pictures.size(), 2u);
  const test::PictureShown& shown = bench.ui.pictures[1];
  EXPECT_EQ(shown.width, 120);  // the size of the side view it replaces
  EXPECT_EQ(shown.height, 40);
  EXPECT_EQ(bench.ui.messageBoxes[2].buttons, platform::MessageBoxButtons::OkCancel);
  EXPECT_EQ(bench.ui.messageBoxes[2].caption, u"サイドビューを生成");
  const auto stored = decodePng(*bench.record().sideViewData);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->pixels, shown.rgba);
  EXPECT_EQ(bench.ui.repaintCount, 1);
}

}  // namespace
}  // namespace qel
