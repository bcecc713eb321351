#include "preview/render_preview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

// A cube whose faces, wound counter-clockwise from outside, each take one texel of a
// 6 x 1 texture.
PreviewMesh cube() {
  std::vector<ModelVertex> vertices;
  std::vector<std::uint16_t> indices;
  // Each face: its outward normal and two axes in the face, so that normal = a x b.
  const float faces[6][3][3] = {
      {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}, {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
      {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
      {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
  };
  for (int f = 0; f < 6; ++f) {
    const auto& [n, a, b] = faces[f];
    const float u = (f + 0.5f) / 6;
    const auto base = static_cast<std::uint16_t>(vertices.size());
    for (const auto& [s, t] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
      vertices.push_back({n[0] + s * a[0] + t * b[0], n[1] + s * a[1] + t * b[1],
                          n[2] + s * a[2] + t * b[2], n[0], n[1], n[2], u, 0.5f});
    }
    for (int k : {0, 1, 2, 0, 2, 3}) indices.push_back(static_cast<std::uint16_t>(base + k));
  }
  return meshOf(blobOf(vertices, indices));
}

TEST(RenderPreview, CubeShowsTheFaceNearestTheEyeFromSixSides) {
  const PreviewMesh mesh = cube();
  const RgbaImage texture = textureOf(6, 1, {kRed, kGreen, kBlue, kYellow, kCyan, kOrange});
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

}  // namespace
}  // namespace qel
