#include "container/container_record.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(CheckSaveReady, NamesEveryMissingItemInOrder) {
  ContainerRecord record;
  using enum RecordItem;
  EXPECT_EQ(checkSaveReady(record).missing,
            (std::vector{MakerName, ContainerName, Model, Texture, SideView}));
  record.containerName.assign(u"箱");
  record.textureData = Bytes{1};
  EXPECT_EQ(checkSaveReady(record).missing, (std::vector{MakerName, Model, SideView}));
  record.makerName.assign(u"工房");
  record.modelData = Bytes{1};
  record.sideViewData = Bytes{1};
  EXPECT_TRUE(checkSaveReady(record).ready());
}

TEST(ApplyWorkshopName, CutsLongNamesAndComparesTheWholeName) {
  ContainerRecord record;
  const std::u16string longName = u"ABCDEFGHIJKLMNOPQRST";  // 20 units
  EXPECT_TRUE(applyWorkshopName(record, longName));
  EXPECT_EQ(record.makerName.view(), u"ABCDEFGHIJKLMNO");
  EXPECT_TRUE(applyWorkshopName(record, longName));
  EXPECT_FALSE(applyWorkshopName(record, u"ABCDEFGHIJKLMNO"));
}

TEST(ResetRecord, EmptiesEverything) {
  ContainerRecord record;
  record.containerName.assign(u"箱");
  record.typeIndex = 9;
  record.lengthMm = 12.5f;
  record.modelData = Bytes{1, 2};
  record.modelVertexCount = 3;
  record.textureData = Bytes{1};
  record.sideViewData = Bytes{1};
  resetRecord(record);
  EXPECT_TRUE(record.containerName.empty());
  EXPECT_EQ(record.typeIndex, 0u);
  EXPECT_EQ(record.lengthMm, 0.0f);
  EXPECT_FALSE(record.modelData || record.textureData || record.sideViewData);
  EXPECT_EQ(record.modelVertexCount, 0u);
}

}  // namespace
}  // namespace qel
