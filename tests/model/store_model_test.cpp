#include "model/store_model.h"

#include <gtest/gtest.h>

#include "tests/support/container_fixtures.h"

namespace qel {
namespace {

TEST(StoreModel, TakesABlobAndItsVertexCount) {
  ContainerRecord record;
  const Bytes blob = test::modelBlobOf(4, 6);
  EXPECT_EQ(storeModel(record, blob), kSuccess);
  EXPECT_EQ(record.modelData, blob);
  EXPECT_EQ(record.modelVertexCount, 4u);
}

TEST(StoreModel, RefusesWhatIsNotABlobAndKeepsTheEarlierModel) {
  ContainerRecord record;
  record.modelData = Bytes{1, 2, 3};
  record.modelVertexCount = 9;
  const Bytes notABlob = {101, 0, 0, 0, 3, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0};
  const Bytes tooShort = {100, 0, 0, 0, 0x12, 1, 0, 0, 3, 0, 0, 0, 0, 0, 0};  // no whole head
  EXPECT_EQ(storeModel(record, notABlob), kFailure);
  EXPECT_EQ(storeModel(record, tooShort), kFailure);
  EXPECT_EQ(storeModel(record, {}), kFailure);
  EXPECT_EQ(record.modelData, (Bytes{1, 2, 3}));
  EXPECT_EQ(record.modelVertexCount, 9u);
}

}  // namespace
}  // namespace qel
