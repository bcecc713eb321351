#include "preview/side_view.h"

#include <gtest/gtest.h>

#include "preview/png_codec.h"
#include "preview_fixtures.h"

namespace qel {
namespace {

// The columns and rows that hold an opaque pixel.
struct OpaqueSpan {
  int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};

OpaqueSpan opaqueSpan(const RgbaImage& image) {
  OpaqueSpan span;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (image.at(x, y).a == 0) continue;
      span.left = std::min(span.left, x), span.right = std::max(span.right, x);
      span.top = std::min(span.top, y), span.bottom = std::max(span.bottom, y);
    }
  }
  return span;
}

TEST(SideView, IsTheSideFramedTightOverTransparency) {
  // A container's proportions along z: 12 m long, 2.6 m high.
  const PreviewMesh mesh = test::meshOf(test::colouredBoxBlob(1200, 1300, 6000));
  for (const SideViewSize size : {SideViewSize{}, SideViewSize{60, 60}, SideViewSize{256, 16}}) {
    const RgbaImage image = renderSideView(mesh, nullptr, size);
    ASSERT_EQ(image.width, size.width);
    ASSERT_EQ(image.height, size.height);
    for (const auto& [x, y] : {std::pair{0, 0},
                               {size.width - 1, 0},
                               {0, size.height - 1},
                               {size.width - 1, size.height - 1}}) {
      EXPECT_EQ(image.at(x, y).a, 0);
    }
    const OpaqueSpan span = opaqueSpan(image);
    const bool lengthFrames = 12000.0 / size.width > 2600.0 / size.height;
    const auto withinMargin = [](int gap) {
      return gap >= kSideViewMargin - 1 && gap <= kSideViewMargin;
    };
    if (lengthFrames) {
      EXPECT_TRUE(withinMargin(span.left)) << span.left;
      EXPECT_TRUE(withinMargin(size.width - 1 - span.right)) << span.right;
      EXPECT_LE(std::abs(span.top - (size.height - 1 - span.bottom)), 1);
    } else {
      EXPECT_TRUE(withinMargin(span.top)) << span.top;
      EXPECT_TRUE(withinMargin(size.height - 1 - span.bottom)) << span.bottom;
      EXPECT_LE(std::abs(span.left - (size.width - 1 - span.right)), 1);
    }
  }
}

TEST(SideView, TakesTheSizeOfTheCurrentSideViewWithinTheLimit) {
  EXPECT_EQ(sideViewSizeFor(std::nullopt).width, kDefaultSideViewWidth);
  EXPECT_EQ(sideViewSizeFor(std::nullopt).height, kDefaultSideViewHeight);
  const SideViewSize current = sideViewSizeFor(encodePng(RgbaImage(120, 40, {})));
  EXPECT_EQ(current.width, 120);
  EXPECT_EQ(current.height, 40);
  const SideViewSize large = sideViewSizeFor(encodePng(RgbaImage(300, 2, {})));
  EXPECT_EQ(large.width, 256);
  EXPECT_EQ(sideViewSizeFor(Bytes(30, 1)).width, kDefaultSideViewWidth);
}

}  // namespace
}  // namespace qel
