#include "preview/preview_pane.h"

#include <gtest/gtest.h>

#include "preview/png_codec.h"
#include "preview_fixtures.h"

namespace qel {
namespace {

Bytes pngOf(int width, int height) {
  return encodePng(RgbaImage(width, height, {0, 200, 0, 255}));
}

const PanePicture* pictureAt(const PaneContents& contents, const PaneArea& area) {
  for (const PanePicture& picture : contents.pictures) {
    if (picture.x == area.x && picture.y == area.y) return &picture;
  }
  return nullptr;
}

ContainerRecord recordWithModel() {
  ContainerRecord record;
  record.modelData = test::squareBlob();
  record.textureData = pngOf(16, 8);
  record.sideViewData = pngOf(300, 40);
  return record;
}

TEST(PreviewPane, FollowsTheRecordAndShowsNothingForEmptySlots) {
  PreviewPane pane;
  pane.follow(ContainerRecord(), 0);
  EXPECT_TRUE(pane.contents().pictures.empty());
  EXPECT_TRUE(pane.contents().texts.empty());

  const ContainerRecord record = recordWithModel();
  pane.follow(record, 1);
  const PaneContents contents = pane.contents();
  ASSERT_EQ(contents.pictures.size(), 3u);
  const PanePicture* model = pictureAt(contents, PreviewPane::kModelArea);
  ASSERT_TRUE(model);
  EXPECT_EQ(model->image->width, PreviewPane::kModelArea.width);
  // The texture's green shows at the centre; the backdrop at the corner.
  EXPECT_TRUE(test::looksLike(model->image->at(260, 160), {0, 200, 0, 255}));
  EXPECT_EQ(model->image->at(0, 0), kPreviewBackdrop);
  EXPECT_EQ(pictureAt(contents, PreviewPane::kTextureArea)->image->width, 16);
  // A side view wider than its area shows its left part.
  EXPECT_EQ(pictureAt(contents, PreviewPane::kSideViewArea)->image->width, 256);
}

TEST(PreviewPane, DrawsTheModelAtTheSizeItWasGiven) {
  PreviewPane pane(52, 32);
  pane.follow(recordWithModel(), 0);
  const PaneContents contents = pane.contents();
  const PanePicture* model = pictureAt(contents, PreviewPane::kModelArea);
  ASSERT_TRUE(model);
  EXPECT_EQ(model->image->width, 52);
  EXPECT_EQ(model->image->height, 32);
  EXPECT_TRUE(test::looksLike(model->image->at(26, 16), {0, 200, 0, 255}));
}

TEST(PreviewPane, SaysWhenTheModelIsDrawnInPart) {
  PreviewPane pane(52, 32);
  ContainerRecord record = recordWithModel();
  pane.follow(record, 0);
  EXPECT_TRUE(pane.contents().texts.empty());
  record.modelData = test::stackedSquares(100);
  pane.follow(record, 1);
  const PaneContents contents = pane.contents();
  EXPECT_TRUE(pictureAt(contents, PreviewPane::kModelArea));
  ASSERT_EQ(contents.texts.size(), 1u);
  EXPECT_EQ(contents.texts[0].text, u"model too large: partly drawn");
}

TEST(PreviewPane, ATextureThatDoesNotDecodeLeavesTheModelPlain) {
  ContainerRecord record = recordWithModel();
  record.textureData->resize(40);
  PreviewPane pane;
  pane.follow(record, 0);
  const PaneContents contents = pane.contents();
  ASSERT_EQ(contents.texts.size(), 1u);
  EXPECT_EQ(contents.texts[0].text, u"no texture");
  const PanePicture* model = pictureAt(contents, PreviewPane::kModelArea);
  ASSERT_TRUE(model);
  EXPECT_TRUE(test::looksLike(model->image->at(260, 160), kUntexturedColour));
}

TEST(PreviewPane, DragTurnsAndWheelZoomsOnlyFromTheModel) {
  PreviewPane pane;
  pane.follow(recordWithModel(), 0);
  const PreviewView start = pane.view();

  pane.press(PreviewPane::kTextureArea.x + 5, PreviewPane::kTextureArea.y + 5);
  EXPECT_FALSE(pane.moveTo(400, 100));
  EXPECT_FALSE(pane.wheel(PreviewPane::kTextureArea.x + 5, PreviewPane::kTextureArea.y + 5, 120));
  EXPECT_EQ(pane.view().yawDegrees, start.yawDegrees);

  pane.press(100, 100);
  EXPECT_TRUE(pane.moveTo(120, 90));
  EXPECT_LT(pane.view().yawDegrees, start.yawDegrees);
  EXPECT_LT(pane.view().pitchDegrees, start.pitchDegrees);
  pane.release();
  EXPECT_FALSE(pane.moveTo(200, 200));

  EXPECT_TRUE(pane.wheel(100, 100, 120));
  EXPECT_LT(pane.view().distanceScale, start.distanceScale);
}

}  // namespace
}  // namespace qel
