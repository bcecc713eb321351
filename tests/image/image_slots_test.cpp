#include "image/image_slots.h"

#include <gtest/gtest.h>

#include "tests/support/container_fixtures.h"

namespace qel {
namespace {

using test::pngOf;

TEST(StoreTexture, AcceptsEachSideUpTo256) {
  struct Case {
    std::uint32_t width, height;
  };
  for (Case c : {Case{256, 256}, Case{256, 1}, Case{1, 256}, Case{0, 0}, Case{0, 17}}) {
    ContainerRecord record;
    const Bytes png = pngOf(c.width, c.height);
    ASSERT_TRUE(storeTexture(record, png).ok()) << c.width << " x " << c.height;
    EXPECT_EQ(record.textureData, png);
    EXPECT_EQ(record.textureWidth, c.width);
    EXPECT_EQ(record.textureHeight, c.height);
  }
}

TEST(StoreTexture, RefusesLargerImagesAndKeepsTheEarlierTexture) {
  ContainerRecord record;
  const Bytes earlier = pngOf(64, 32);
  ASSERT_TRUE(storeTexture(record, earlier).ok());
  for (const Bytes& refused : {pngOf(257, 256), pngOf(256, 257), pngOf(0x80000000u, 1),
                               pngOf(1, 0xFFFFFFFFu), Bytes{0x89, 'P', 'N', 'G'}}) {
    EXPECT_FALSE(storeTexture(record, refused).ok());
    EXPECT_EQ(record.textureData, earlier);
    EXPECT_EQ(record.textureWidth, 64);
    EXPECT_EQ(record.textureHeight, 32);
  }
}

TEST(StoreTexture, ReplacesAndCopiesOut) {
  ContainerRecord record;
  EXPECT_FALSE(copyTexture(record));
  ASSERT_TRUE(storeTexture(record, pngOf(8, 8, 100)).ok());
  const Bytes second = pngOf(16, 4, 3);
  ASSERT_TRUE(storeTexture(record, second).ok());
  EXPECT_EQ(record.textureData->size(), second.size());
  auto copy = copyTexture(record);
  ASSERT_TRUE(copy);
  EXPECT_EQ(*copy, second);
  (*copy)[0] = 0;  // the copy is the caller's own
  EXPECT_EQ(record.textureData, second);
}

TEST(StoreSideView, LeavesTextureAndReservedWordsAlone) {
  EXPECT_FALSE(copySideView(ContainerRecord()));
  ContainerRecord record = test::completeRecord();
  const ContainerRecord before = record;
  EXPECT_FALSE(storeSideView(record, pngOf(300, 10)).ok());
  EXPECT_EQ(record, before);

  const Bytes side = pngOf(256, 100);
  ASSERT_TRUE(storeSideView(record, side).ok());
  EXPECT_EQ(copySideView(record), side);
  EXPECT_EQ(record.textureData, before.textureData);
  EXPECT_EQ(record.textureWidth, before.textureWidth);
  EXPECT_EQ(record.sideViewReserved1, before.sideViewReserved1);
  EXPECT_EQ(record.sideViewReserved2, before.sideViewReserved2);
}

}  // namespace
}  // namespace qel
