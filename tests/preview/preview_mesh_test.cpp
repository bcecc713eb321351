#include "preview/preview_mesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "preview_fixtures.h"

namespace qel {
namespace {

using test::blobOf;

TEST(PreviewMesh, RefusesBlobsItCannotReadWithAReason) {
  Bytes otherFormat = test::squareBlob();
  otherFormat[4] = 0x42;
  Bytes cut = test::squareBlob();
  cut.pop_back();
  Bytes hugeCount = test::squareBlob();
  hugeCount[11] = 0xFF;  // vertex count far beyond the bytes
  for (const Bytes& blob : {Bytes{100, 0, 0}, Bytes(16, 0), otherFormat, cut, hugeCount}) {
    const PreviewMeshReading reading = readPreviewMesh(blob);
    EXPECT_FALSE(reading.mesh);
    EXPECT_FALSE(reading.reason.empty());
  }
}

TEST(PreviewMesh, LeavesOutTrianglesItCannotDrawAndFramesTheRest) {
  const float inf = std::numeric_limits<float>::infinity();
  const Bytes blob = blobOf({{0, 0, 0, 0, 0, 1, 0, 0},
                             {2, 0, 0, 0, 0, 1, 0, 0},
                             {2, 4, 0, 0, 0, 1, 0, 0},
                             {inf, 0, 0, 0, 0, 1, 0, 0},
                             {-100, 0, 0, 0, 0, 1, 0, 0}},
                            // a good one, one naming vertex 9, one at infinity, two left over
                            {0, 1, 2, 0, 1, 9, 0, 3, 2, 4, 0});
  const PreviewMeshReading reading = readPreviewMesh(blob);
  ASSERT_TRUE(reading.mesh);
  ASSERT_EQ(reading.mesh->triangles.size(), 1u);
  EXPECT_EQ(reading.mesh->triangles[0], (std::array<std::uint16_t, 3>{0, 1, 2}));
  // Vertex 4 belongs to no drawn triangle and does not widen the frame.
  EXPECT_EQ(reading.mesh->center, (Vector3{1, 2, 0}));
  EXPECT_FLOAT_EQ(reading.mesh->radius, std::sqrt(5.0f));
}

TEST(PreviewMesh, DropsRepeatedTrianglesAndKeepsAtMostItsBudget) {
  const Bytes repeated = blobOf({{0, 0, 0, 0, 0, 1, 0, 0},
                                 {2, 0, 0, 0, 0, 1, 0, 0},
                                 {2, 4, 0, 0, 0, 1, 0, 0},
                                 {2, 4, 0, 0, 0, 1, 1, 1}},
                                // the same corners again, in another order, at another vertex
                                {0, 1, 2, 0, 1, 2, 1, 2, 0, 0, 1, 3});
  const PreviewMesh few = test::meshOf(repeated);
  EXPECT_EQ(few.triangles.size(), 2u);
  EXPECT_FALSE(few.partial);

  std::vector<ModelVertex> line;
  for (int i = 0; i < 1000; ++i) line.push_back({float(i), 0, 0, 0, 0, 1, 0, 0});
  std::vector<std::uint16_t> indices;
  for (std::uint32_t t = 0; t <= kMaxPreviewTriangles; ++t) {
    indices.insert(indices.end(), {std::uint16_t(t % 1000), std::uint16_t(t / 1000), 999});
  }
  const PreviewMesh many = test::meshOf(blobOf(line, indices));
  EXPECT_EQ(many.triangles.size(), kMaxPreviewTriangles);
  EXPECT_TRUE(many.partial);
}

}  // namespace
}  // namespace qel
