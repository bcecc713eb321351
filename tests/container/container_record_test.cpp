#include "container/container_record.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(CheckSaveReady, NamesTheFirstMissingItemInOrder) {
  ContainerRecord record;
  EXPECT_EQ(checkSaveReady(record), 1);
  record.makerName.assign(u"工房");
  EXPECT_EQ(checkSaveReady(record), 2);
  record.containerName.assign(u"箱");
  EXPECT_EQ(checkSaveReady(record), 3);
  record.modelData = Bytes{1};
  EXPECT_EQ(checkSaveReady(record), 4);
  record.textureData = Bytes{1};
  EXPECT_EQ(checkSaveReady(record), 5);
  record.sideViewData = Bytes{1};
  EXPECT_EQ(checkSaveReady(record), 0);
}

TEST(ApplyWorkshopName, CutsLongNamesAndComparesTheWholeName) {
  ContainerRecord record;
  const std::u16string longName = u"ABCDEFGHIJKLMNOPQRST";  // 20 units
  EXPECT_EQ(applyWorkshopName(record, longName), 1);
  EXPECT_EQ(record.makerName.view(), u"ABCDEFGHIJKLMNO");
  EXPECT_EQ(applyWorkshopName(record, longName), 1);
  EXPECT_EQ(applyWorkshopName(record, u"ABCDEFGHIJKLMNO"), 0);
}

TEST(ApplyWorkshopName, LeavesTheMakerOfAPlainFileAlone) {
  ContainerRecord record;
  record.plainFileLoaded = 1;
  record.makerName.assign(u"元の工房");
  EXPECT_EQ(applyWorkshopName(record, u"新しい工房"), 0);
  EXPECT_EQ(record.makerName.view(), u"元の工房");
}

TEST(ResetRecord, EmptiesEverythingButTheLoadFlags) {
  ContainerRecord record;
  record.plainFileLoaded = 1;
  record.lastLoadPlain = 1;
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
  EXPECT_EQ(record.plainFileLoaded, 1u);
  EXPECT_EQ(record.lastLoadPlain, 1u);
}

}  // namespace
}  // namespace qel
