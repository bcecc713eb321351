#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/model_blob_view.h"
#include "repair/model_repair.h"
#include "tests/model/model_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

// A flat square of size by size quads, 2 * size * size triangles: the left half of material
// a, the right half of material b; or, as a checkerboard, each quad of the other material than
// its neighbours.
std::string twoMaterialSquare(int size, bool checkerboard = false) {
  std::string obj = "mtllib m.mtl\n";
  for (int y = 0; y <= size; ++y) {
    for (int x = 0; x <= size; ++x)
      obj += "v " + std::to_string(x) + " " + std::to_string(y) + " 0\n";
  }
  const auto at = [size](int x, int y) { return std::to_string(y * (size + 1) + x + 1); };
  for (const char material : {'a', 'b'}) {
    obj += std::string("usemtl ") + material + "\n";
    const int from = material == 'a' || checkerboard ? 0 : size / 2;
    for (int y = 0; y < size; ++y) {
      for (int x = from; x < from + (checkerboard ? size : size / 2); ++x) {
        if (checkerboard && (x + y) % 2 != (material == 'a' ? 0 : 1)) continue;
        obj += "f " + at(x, y) + " " + at(x + 1, y) + " " + at(x + 1, y + 1) + " " + at(x, y + 1) +
               "\n";
      }
    }
  }
  return obj;
}

class MeshSimplificationTest : public ::testing::Test {
 protected:
  ModelConversion repair(int size, Progress& progress = noProgress(), bool checkerboard = false) {
    folder.writeText("m.mtl", "newmtl a\nKd 1 0 0\nnewmtl b\nKd 0 0 1\n");
    return convertObjModelWithRepair(
        folder.writeText("m.obj", twoMaterialSquare(size, checkerboard)), sink, progress);
  }

  test::TempFolder folder;
  test::RecordingSink sink;
};

TEST_F(MeshSimplificationTest, ReducesAModelOverCapacityToFit) {
  const ModelConversion conversion = repair(80);  // 12,800 triangles
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  ASSERT_TRUE(conversion.repairNotes.simplification);
  EXPECT_EQ(conversion.repairNotes.simplification->trianglesBefore, 12800);
  EXPECT_LE(conversion.repairNotes.simplification->trianglesAfter, 10000);
  EXPECT_EQ(conversion.indexCount, 3 * conversion.repairNotes.simplification->trianglesAfter);
  EXPECT_LT(conversion.repairNotes.simplification->error, 0.01f);  // a plane stays a plane
}

TEST_F(MeshSimplificationTest, KeepsTheMaterialBorderAndTheOutline) {
  const ModelConversion conversion = repair(80);
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  const auto blob = readModelBlob(conversion.blob);
  ASSERT_TRUE(blob.view);
  float low = 1.0f, high = 0.0f;
  for (std::uint32_t i = 0; i < blob.view->indexCount(); i += 3) {
    float least = 80.0f, most = 0.0f;
    for (std::uint32_t k = i; k < i + 3; ++k) {
      const ModelVertex v = blob.view->vertex(blob.view->index(k));
      least = std::min(least, v.x);
      most = std::max(most, v.x);
      low = std::min({low, v.x, v.y});
      high = std::max({high, v.x, v.y});
    }
    EXPECT_TRUE(most <= 40.0f || least >= 40.0f) << "a triangle crosses the border at x = 40";
  }
  EXPECT_EQ(low, 0.0f);
  EXPECT_EQ(high, 80.0f);
}

// Seams everywhere hold the careful simplifier above the target, and the sloppy one joins
// corners of both materials: each triangle must still take one colour, not a stretch of the
// atlas between the two.
TEST_F(MeshSimplificationTest, EveryTriangleKeepsOneMaterialWhereSeamsAreEverywhere) {
  const ModelConversion conversion = repair(80, noProgress(), true);
  ASSERT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
  const auto blob = readModelBlob(conversion.blob);
  ASSERT_TRUE(blob.view);
  for (std::uint32_t i = 0; i < blob.view->indexCount(); i += 3) {
    const ModelVertex first = blob.view->vertex(blob.view->index(i));
    for (std::uint32_t k = i + 1; k < i + 3; ++k) {
      const ModelVertex v = blob.view->vertex(blob.view->index(k));
      ASSERT_TRUE(v.u == first.u && v.v == first.v) << "triangle " << i / 3;
    }
  }
}

TEST_F(MeshSimplificationTest, StopsWhenCancelled) {
  class Cancelling final : public Progress {
   public:
    bool advance(std::uint64_t, std::uint64_t) override { return false; }
  } cancelling;
  EXPECT_EQ(repair(80, cancelling).result, kCancelled);
}

}  // namespace
}  // namespace qel
