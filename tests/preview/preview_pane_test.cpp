#include "preview/preview_pane.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "preview/png_codec.h"
#include "preview_fixtures.h"

namespace qel {
namespace {

// Follows the record as after a change of it, which bumps its revision.
void follow(PreviewPane& pane, const ContainerRecord& record) {
  static std::uint64_t revision = 0;
  pane.follow(record, ++revision);
}

const PaneWording kWording{{u"F", u"S", u"T", u"B", u"R", u"W", u"U", u"O"},
                           u"size %1 %2 %3",
                           u"length %1",
                           u"differs %1 %2",
                           u"grid %1",
                           u"no texture",
                           u"partly",
                           u"no side view",
                           u" would match at %1",
                           {u"mm", u"cm", u"m", u"in"}};

Bytes pngOf(int width, int height) {
  return encodePng(RgbaImage(width, height, {0, 200, 0, 255}));
}

const PanePicture* pictureAt(const PaneContents& contents, const PaneArea& area) {
  for (const PanePicture& picture : contents.pictures) {
    if (picture.x == area.x && picture.y == area.y) return &picture;
  }
  return nullptr;
}

bool says(const PaneContents& contents, std::u16string_view text) {
  for (const PaneText& shown : contents.texts) {
    if (shown.text == text) return true;
  }
  return false;
}

ContainerRecord recordWithModel() {
  ContainerRecord record;
  record.modelData = test::squareBlob();
  record.textureData = pngOf(16, 8);
  record.sideViewData = pngOf(300, 40);
  return record;
}

Rgba modelCentre(PreviewPane& pane) {
  const PaneContents contents = pane.contents();
  const PanePicture* model = pictureAt(contents, pane.modelArea());
  return model->image->at(model->image->width / 2, model->image->height / 2);
}

TEST(PreviewPane, FollowsTheRecordAndShowsNothingForEmptySlots) {
  PreviewPane pane(kWording);
  follow(pane, ContainerRecord());
  EXPECT_TRUE(pane.contents().pictures.empty());
  EXPECT_TRUE(pane.contents().texts.empty());

  follow(pane, recordWithModel());
  const PaneContents contents = pane.contents();
  const PanePicture* model = pictureAt(contents, pane.modelArea());
  ASSERT_TRUE(model);
  EXPECT_EQ(model->image->width, pane.modelArea().width);
  EXPECT_TRUE(test::looksLike(modelCentre(pane), {0, 200, 0, 255}));
  EXPECT_EQ(pictureAt(contents, pane.textureArea())->image->width, 16);
  // A side view wider than its area shows its left part.
  EXPECT_EQ(pictureAt(contents, pane.sideViewArea())->image->width, 256);
}

TEST(PreviewPane, TakesTheRoomItIsGivenTheImagesGivingWayFirst) {
  PreviewPane pane(kWording);
  follow(pane, recordWithModel());
  pane.resize(1500, 900);
  EXPECT_EQ(pane.modelArea().width, 1500);
  EXPECT_EQ(pane.textureArea().height, 256);
  EXPECT_EQ(pane.textureArea().y + 256, 900);
  const int tall = pane.modelArea().height;
  pane.resize(400, 300);
  EXPECT_EQ(pane.modelArea().height, PreviewPane::kMinModelHeight);
  EXPECT_LT(pane.textureArea().height, 256);
  EXPECT_LT(PreviewPane::kMinModelHeight, tall);
  // The picture follows the size.
  const PaneContents contents = pane.contents();
  EXPECT_EQ(pictureAt(contents, pane.modelArea())->image->width, 400);
  pane.resize(0, 0);
  pane.contents();
}

TEST(PreviewPane, ANarrowPaneShowsEveryButtonInRowsAboveTheModel) {
  PreviewPane pane(kWording);
  follow(pane, recordWithModel());
  pane.resize(440, 600);
  const PaneArea last = pane.buttonArea(PaneButton::SideViewOver);
  EXPECT_LE(last.x + last.width, 440);
  EXPECT_LE(last.y + last.height, pane.modelArea().y);
  std::size_t labels = 0;
  for (const auto& text : pane.contents().texts) {
    labels += std::find(kWording.buttons.begin(), kWording.buttons.end(), text.text) !=
              kWording.buttons.end();
  }
  EXPECT_EQ(labels, kPaneButtonCount);
  EXPECT_TRUE(pane.press(last.x + 2, last.y + 2));
}

TEST(PreviewPane, SaysWhenTheModelIsDrawnInPartOrTheTextureCannotBeShown) {
  PreviewPane pane(kWording);
  pane.resize(60, 300);
  ContainerRecord record = recordWithModel();
  follow(pane, record);
  EXPECT_FALSE(says(pane.contents(), u"partly"));
  record.modelData = test::stackedSquares(100);
  follow(pane, record);
  EXPECT_TRUE(says(pane.contents(), u"partly"));

  record.modelData = test::squareBlob();
  record.textureData->resize(40);
  follow(pane, record);
  EXPECT_TRUE(says(pane.contents(), u"no texture"));
  EXPECT_TRUE(test::looksLike(modelCentre(pane), kUntexturedColour));
}

TEST(PreviewPane, SizeInUnitsAgainstTheLengthNamingAUnitThatWouldMatch) {
  PreviewPane pane(kWording);
  ContainerRecord record;
  record.modelData = test::colouredBoxBlob(6000, 1300, 1200);
  follow(pane, record);
  EXPECT_TRUE(says(pane.contents(), u"size 12000 2400 2600"));
  EXPECT_TRUE(says(pane.contents(), u"grid 1"));
  record.lengthMm = 12192;  // 1.6 % longer
  follow(pane, record);
  EXPECT_TRUE(says(pane.contents(), u"length 12192"));
  record.lengthMm = 11400;  // the model is 5.3 % longer
  follow(pane, record);
  EXPECT_TRUE(says(pane.contents(), u"differs 11400 5"));
  // A model in metres by mistake.
  record.modelData = test::colouredBoxBlob(6, 1.3f, 1.2f);
  follow(pane, record);
  EXPECT_TRUE(says(pane.contents(), u"size 12.0 2.40 2.60"));
  EXPECT_TRUE(says(pane.contents(), u"differs 11400 100"));
  EXPECT_TRUE(says(pane.contents(), u"grid 0.001"));
  record.lengthMm = 12000;  // which metres would give
  follow(pane, record);
  EXPECT_TRUE(says(pane.contents(), u"differs 12000 100 would match at m"));
  // The author says so: the grid's spacing follows the unit too.
  pane.setModelUnit(ModelUnit::Metre);
  EXPECT_TRUE(says(pane.contents(), u"length 12000"));
  EXPECT_TRUE(says(pane.contents(), u"grid 1"));
}

TEST(PreviewPane, LeftDragTurnsOtherDragsPanAndTheWheelZoomsOnlyOverTheModel) {
  PreviewPane pane(kWording);
  follow(pane, recordWithModel());
  const PreviewView start = pane.view();
  const PaneArea texture = pane.textureArea();
  const int x = pane.modelArea().x + 100, y = pane.modelArea().y + 100;

  EXPECT_FALSE(pane.press(texture.x + 5, texture.y + 5));
  EXPECT_FALSE(pane.moveTo(400, 100));
  EXPECT_FALSE(pane.wheel(texture.x + 5, texture.y + 5, 120));
  EXPECT_EQ(pane.view().yawDegrees, start.yawDegrees);

  pane.press(x, y);
  EXPECT_TRUE(pane.moveTo(x + 20, y - 10));
  EXPECT_LT(pane.view().yawDegrees, start.yawDegrees);
  EXPECT_LT(pane.view().pitchDegrees, start.pitchDegrees);
  pane.release();
  EXPECT_FALSE(pane.moveTo(200, 200));

  const PreviewView turned = pane.view();
  pane.press(x, y, PreviewPane::MouseButton::Right);
  EXPECT_TRUE(pane.moveTo(x + 20, y - 10));
  EXPECT_LT(pane.view().panRight, 0);
  EXPECT_LT(pane.view().panUp, 0);
  EXPECT_EQ(pane.view().yawDegrees, turned.yawDegrees);
  pane.release();

  EXPECT_TRUE(pane.wheel(x, y, 120));
  EXPECT_LT(pane.view().distanceScale, start.distanceScale);
}

TEST(PreviewPane, ButtonsAndTheirKeysChooseViewsResetAndANewModelStartsFramed) {
  PreviewPane pane(kWording);
  ContainerRecord record;
  record.modelData = test::colouredBoxBlob(3, 1, 1);
  record.textureData = encodePng(RgbaImage(6, 1, {}));  // all black: only the geometry is looked at
  follow(pane, record);
  const PreviewView first = pane.view();

  const PaneArea side = pane.buttonArea(PaneButton::Side);
  EXPECT_TRUE(pane.press(side.x + 2, side.y + 2));
  EXPECT_TRUE(pane.view().orthographic);
  EXPECT_EQ(pane.view().yawDegrees, 0);
  EXPECT_TRUE(pane.key('3'));
  EXPECT_EQ(pane.view().pitchDegrees, kMaxPitchDegrees);
  EXPECT_FALSE(pane.key('9'));

  pane.wheel(pane.modelArea().x + 5, pane.modelArea().y + 5, 600);
  EXPECT_TRUE(pane.key(0x24));  // Home
  EXPECT_EQ(pane.view().distanceScale, first.distanceScale);
  EXPECT_FALSE(pane.view().orthographic);

  pane.wheel(pane.modelArea().x + 5, pane.modelArea().y + 5, 600);
  record.modelData = test::squareBlob();
  follow(pane, record);
  EXPECT_EQ(pane.view().distanceScale, first.distanceScale);
}

TEST(PreviewPane, OverlaysDrawOnTheModelTheTextureAndTheSideView) {
  PreviewPane pane(kWording);
  ContainerRecord record;
  record.modelData = test::squareBlob();
  record.textureData = encodePng(RgbaImage(16, 16, {0, 200, 0, 255}));
  follow(pane, record);
  const auto shown = [&](const PaneArea& area) { return *pictureAt(pane.contents(), area)->image; };
  const RgbaImage plain = shown(pane.modelArea());
  const RgbaImage plainTexture = shown(pane.textureArea());
  pane.key('W');
  EXPECT_NE(shown(pane.modelArea()).pixels, plain.pixels);
  pane.key('U');
  // The square's diagonal runs through the texture from corner to corner.
  EXPECT_EQ(shown(pane.textureArea()).at(8, 8), (Rgba{255, 0, 255, 255}));
  EXPECT_EQ(plainTexture.at(8, 8), (Rgba{0, 200, 0, 255}));

  pane.key('O');
  EXPECT_TRUE(says(pane.contents(), u"no side view"));
  // A side view of pure blue over the square's side-on green: the two mixed at the centre.
  record.sideViewData = encodePng(RgbaImage(20, 20, {0, 0, 255, 255}));
  follow(pane, record);
  const Rgba centre = modelCentre(pane);
  EXPECT_GT(centre.b, 100);
  EXPECT_GT(centre.g, 40);
}

}  // namespace
}  // namespace qel
