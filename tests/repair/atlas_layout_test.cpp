#include "repair/atlas_layout.h"

#include <gtest/gtest.h>

#include <random>

namespace qel {
namespace {

bool overlap(const AtlasPlace& a, const AtlasPlace& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST(AtlasLayout, PlacesRandomCellsInsideTheAtlasWithoutOverlap) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<CellSize> cells(1 + random() % 40);
    for (CellSize& cell : cells) {
      cell = {1 + static_cast<int>(random() % 2048), 1 + static_cast<int>(random() % 2048)};
    }
    const auto layout = layOutAtlas(cells);
    ASSERT_TRUE(layout);
    EXPECT_LE(layout->width, kAtlasSide);
    EXPECT_LE(layout->height, kAtlasSide);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const AtlasPlace& a = layout->places[i];
      EXPECT_GE(a.width, kSmallestCell);
      EXPECT_LE(a.x + a.width, layout->width);
      EXPECT_LE(a.y + a.height, layout->height);
      for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(overlap(a, layout->places[j]));
    }
  }
}

TEST(AtlasLayout, SharesTheAreaInProportionAndNeverEnlarges) {
  const std::vector<CellSize> cells = {{1024, 512}, {512, 256}, {16, 16}};
  const auto layout = layOutAtlas(cells);
  ASSERT_TRUE(layout);
  EXPECT_NEAR(double(layout->places[0].width) / layout->places[1].width, 2.0, 0.1);
  EXPECT_NEAR(double(layout->places[0].width) / layout->places[0].height, 2.0, 0.1);
  const std::vector<CellSize> small = {{20, 10}};
  EXPECT_EQ(layOutAtlas(small)->places[0].width, 20);
}

TEST(AtlasLayout, RefusesMoreCellsThanTheAtlasHolds) {
  const std::vector<CellSize> cells(100 * 100, CellSize{8, 8});
  EXPECT_FALSE(layOutAtlas(cells));
}

}  // namespace
}  // namespace qel
