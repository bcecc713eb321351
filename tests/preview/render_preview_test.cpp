#include "preview/render_preview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "preview/named_views.h"
#include "preview_fixtures.h"

namespace qel {
namespace {

using test::blobOf;
using test::looksLike;
using test::meshOf;

constexpr Rgba kBackground{10, 20, 30, 255};
constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kGreen{0, 255, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};
constexpr Rgba kYellow{255, 255, 0, 255};
constexpr Rgba kCyan{0, 255, 255, 255};
constexpr Rgba kOrange{255, 128, 0, 255};
constexpr int kSize = 64;

RgbaImage textureOf(int width, int height, std::initializer_list<Rgba> pixels) {
  RgbaImage texture(width, height, {});
  int i = 0;
  for (Rgba c : pixels) texture.set(i % width, i / width, c), ++i;
  return texture;
}

RgbaImage render(const PreviewMesh& mesh, const RgbaImage* texture, float yaw, float pitch) {
  return renderPreview(mesh, texture, {yaw, pitch, 1.0f}, kSize, kSize, kBackground);
}

TEST(RenderPreview, SquareShowsItsTextureFromTheFrontAndATintedBackFromBehind) {
  const PreviewMesh square = meshOf(test::squareBlob());
  const RgbaImage halves = textureOf(2, 1, {kRed, kBlue});

  const RgbaImage front = render(square, &halves, 0, 0);
  EXPECT_TRUE(looksLike(front.at(kSize / 2 - 6, kSize / 2), kRed));
  EXPECT_TRUE(looksLike(front.at(kSize / 2 + 6, kSize / 2), kBlue));
  for (int corner : {0, kSize - 1}) {
    EXPECT_EQ(front.at(corner, corner), kBackground);
    EXPECT_EQ(front.at(corner, kSize - 1 - corner), kBackground);
  }

  // From behind the left half lies on the right, mixed with the tint.
  const RgbaImage back = render(square, &halves, 180, 0);
  const Rgba right = back.at(kSize / 2 + 6, kSize / 2);
  const Rgba left = back.at(kSize / 2 - 6, kSize / 2);
  EXPECT_TRUE(looksLike(right, {255, 0, 128, 255})) << int(right.r) << " " << int(right.b);
  EXPECT_TRUE(looksLike(left, {128, 0, 255, 255})) << int(left.r) << " " << int(left.b);
}

TEST(RenderPreview, AtlasCornersLandOnTheTexturesCornerPixels) {
  const Rgba k0{0, 0, 0, 255};
  const RgbaImage texture = textureOf(
      4, 4, {kRed, k0, k0, kGreen, k0, k0, k0, k0, k0, k0, k0, k0, kBlue, k0, k0, kYellow});
  const RgbaImage image = render(meshOf(test::squareBlob()), &texture, 0, 0);
  int left = kSize, right = -1, top = kSize, bottom = -1;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (image.at(x, y) == kBackground) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  ASSERT_LT(left, right);
  EXPECT_TRUE(looksLike(image.at(left, top), kRed));
  EXPECT_TRUE(looksLike(image.at(right, top), kGreen));
  EXPECT_TRUE(looksLike(image.at(left, bottom), kBlue));
  EXPECT_TRUE(looksLike(image.at(right, bottom), kYellow));
}

PreviewMesh cube() {
  return meshOf(test::colouredBoxBlob());
}

const RgbaImage kFaceColours = textureOf(6, 1, {kRed, kGreen, kBlue, kYellow, kCyan, kOrange});

TEST(RenderPreview, CubeShowsTheFaceNearestTheEyeFromSixSides) {
  const PreviewMesh mesh = cube();
  const RgbaImage& texture = kFaceColours;
  const struct {
    float yaw, pitch;
    Rgba face;
  } views[] = {{0, 0, kRed},      {180, 0, kGreen}, {90, 0, kBlue},
               {-90, 0, kYellow}, {0, 89, kCyan},   {0, -89, kOrange}};
  for (const auto& view : views) {
    const Rgba centre = render(mesh, &texture, view.yaw, view.pitch).at(kSize / 2, kSize / 2);
    EXPECT_TRUE(looksLike(centre, view.face)) << "yaw " << view.yaw << " pitch " << view.pitch;
  }
}

TEST(RenderPreview, HostileNumbersAndACameraInsideTheModelDrawWithoutFault) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float huge = std::numeric_limits<float>::max();
  const PreviewMesh mesh = meshOf(blobOf({{-huge, 0, 0, nan, nan, nan, nan, 1e30f},
                                          {huge, 0, 0, 0, 0, 0, -huge, huge},
                                          {0, huge, huge, 1, 0, 0, 0.5f, 0.5f},
                                          {0, 0, 0, 0, 0, 1, 0, 0}},
                                         {0, 1, 2, 1, 2, 3, 0, 2, 3}));
  const RgbaImage texture = textureOf(1, 1, {kRed});
  for (float scale : {kMinDistanceScale, 1.0f, kMaxDistanceScale}) {
    const RgbaImage image = renderPreview(mesh, &texture, {45, 30, scale}, 33, 17, kBackground);
    EXPECT_EQ(image.width, 33);
  }
  // Close up the eye is inside the cube, the face behind it is cut away, and the far face
  // shows its back.
  const RgbaImage inside = renderPreview(cube(), nullptr, {0, 0, kMinDistanceScale}, 32, 32, {});
  EXPECT_TRUE(looksLike(inside.at(16, 16), {227, 100, 227, 255}));
}

TEST(RenderPreview, StopsDrawingOnceTheTrianglesHaveCoveredSixteenPictures) {
  PreviewRenderer renderer;
  renderer.render(meshOf(test::stackedSquares(4)), nullptr, {}, kSize, kSize, kBackground);
  EXPECT_TRUE(renderer.drewAll());
  const PreviewMesh many = meshOf(test::stackedSquares(100));
  const RgbaImage picture = renderer.render(many, nullptr, {}, kSize, kSize, kBackground);
  EXPECT_FALSE(renderer.drewAll());
  // The first triangles are drawn all the same.
  EXPECT_TRUE(looksLike(picture.at(kSize / 2, kSize / 2), kUntexturedColour));
}

TEST(RenderPreview, NamedViewsLookAcrossAndAlongTheLongHorizontalAxis) {
  // Faces +z red, -z green, +x blue, -x yellow, +y cyan.
  const struct {
    ViewDirection direction;
    Rgba longInX, longInZ;
  } views[] = {{ViewDirection::Side, kRed, kYellow},
               {ViewDirection::Front, kBlue, kRed},
               {ViewDirection::Back, kYellow, kGreen},
               {ViewDirection::Top, kCyan, kCyan}};
  const PreviewMesh longInX = meshOf(test::colouredBoxBlob(3, 1, 1));
  const PreviewMesh longInZ = meshOf(test::colouredBoxBlob(1, 1, 3));
  for (const auto& view : views) {
    for (const auto& [mesh, face] : {std::pair{&longInX, view.longInX}, {&longInZ, view.longInZ}}) {
      const Rgba centre = renderPreview(*mesh, &kFaceColours, namedView(view.direction, *mesh, 4),
                                        kSize, kSize, kBackground)
                              .at(kSize / 2, kSize / 2);
      EXPECT_TRUE(looksLike(centre, face)) << static_cast<int>(view.direction);
    }
  }
  // The side shows the long axis across, filling the width within the margin.
  const RgbaImage side =
      renderPreview(longInZ, &kFaceColours, namedView(ViewDirection::Side, longInZ, 4), kSize,
                    kSize, kBackground);
  EXPECT_NE(side.at(4, kSize / 2), kBackground);
  EXPECT_EQ(side.at(3, kSize / 2), kBackground);
  EXPECT_EQ(side.at(kSize / 2, kSize / 2 - 12), kBackground);
}

TEST(RenderPreview, GridAndBoxStandWhereTheModelsMillimetresPutThem) {
  // 3000 x 1000 x 1000 mm seen from above, zoomed out to twice the box: 6000 mm across
  // 300 pixels, 20 mm a pixel, the centre at pixel 150.
  const PreviewMesh mesh = meshOf(test::colouredBoxBlob(1500, 500, 500));
  PreviewView top = namedView(ViewDirection::Top, mesh, 0);
  top.distanceScale = 2;
  PreviewRenderer renderer;
  const RgbaImage image =
      renderer.render(mesh, &kFaceColours, top, 300, 300, kBackground, {1000, true, false, false});
  const int row = 150 - 40;  // beside the model, which covers rows 125 to 175
  for (int metre : {-3, -2, 2, 3}) EXPECT_EQ(image.at(150 + metre * 50, row), kGridColour) << metre;
  EXPECT_EQ(image.at(150 + 25, row), kBackground);  // between two lines
  // The box's edges at +-1500 mm and +-500 mm, over the model.
  for (int x : {75, 225}) EXPECT_EQ(image.at(x, 150), kBoxColour) << x;
  for (int y : {125, 175}) EXPECT_EQ(image.at(150, y), kBoxColour) << y;
  EXPECT_TRUE(looksLike(image.at(150, 150), kCyan));
}

}  // namespace
}  // namespace qel
