#include "model/model_blob.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "model/obj_model.h"

namespace qel {
namespace {

std::uint32_t wordAt(const Bytes& bytes, std::size_t at) {
  std::uint32_t word = 0;
  for (int i = 3; i >= 0; --i) word = (word << 8) | bytes[at + i];
  return word;
}

float floatAt(const Bytes& bytes, std::size_t at) {
  return std::bit_cast<float>(wordAt(bytes, at));
}

ObjModelPtr modelOf(std::int32_t vertices, std::vector<std::uint16_t> indices) {
  auto model = createObjModel();
  for (std::int32_t i = 0; i < vertices; ++i) {
    const float f = static_cast<float>(i);
    model->vertices.push({f + 0.1f, f + 0.2f, f + 0.3f, 0.0f, 0.6f, 0.8f, 0.25f, f / 8});
  }
  for (std::uint16_t index : indices) model->indices.push(index);
  return model;
}

// Four vertices and six indices, so that the two counts cannot be swapped unseen.
TEST(ModelBlob, OneQuadrilateralGivesHeaderRecordsAndIndices) {
  const auto model = modelOf(4, {0, 1, 2, 0, 2, 3});
  const Bytes blob = buildModelBlob(*model, 1.0f).value();
  ASSERT_EQ(blob.size(), 156u);
  EXPECT_EQ(wordAt(blob, 0), 100u);
  EXPECT_EQ(wordAt(blob, 4), 274u);
  EXPECT_EQ(wordAt(blob, 8), 4u);
  EXPECT_EQ(wordAt(blob, 12), 6u);
  EXPECT_EQ(std::memcmp(blob.data() + 16, model->vertices.begin(), 4 * 32), 0);
  const std::uint8_t indices[] = {0, 0, 1, 0, 2, 0, 0, 0, 2, 0, 3, 0};
  EXPECT_EQ(std::memcmp(blob.data() + 144, indices, 12), 0);
}

TEST(ModelBlob, ScaleReachesPositionsOnly) {
  const auto model = modelOf(3, {0, 1, 2});
  const Bytes blob = buildModelBlob(*model, 2.0f).value();
  for (int i = 0; i < 3; ++i) {
    const std::size_t at = 16 + 32 * i;
    const ModelVertex& vertex = model->vertices[i];
    EXPECT_EQ(floatAt(blob, at), vertex.x * 2);
    EXPECT_EQ(floatAt(blob, at + 8), vertex.z * 2);
    EXPECT_EQ(floatAt(blob, at + 16), vertex.ny);
    EXPECT_EQ(floatAt(blob, at + 28), vertex.v);
  }
}

}  // namespace
}  // namespace qel
