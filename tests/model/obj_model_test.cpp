#include "model/obj_model.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qel {
namespace {

TEST(MaterialEntry, KeepsAtMost63BytesOfItsName) {
  MaterialEntry entry{};
  entry.setName(std::string(70, 'n'));
  EXPECT_EQ(entry.nameView(), std::string(63, 'n'));
  entry.setName("A");
  EXPECT_EQ(entry.nameView(), "A");
}

bool sameBytes(const ObjModel& a, const ObjModel& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The initial state as initObjModel makes it on memory that held something else.
std::unique_ptr<ObjModel> initialModel() {
  auto model = std::make_unique_for_overwrite<ObjModel>();
  std::memset(static_cast<void*>(model.get()), 0xA5, sizeof(ObjModel));
  initObjModel(*model);
  return model;
}

TEST(ObjModel, ANewModelIsInTheInitialState) {
  EXPECT_TRUE(sameBytes(*createObjModel(), *initialModel()));
}

TEST(ObjModel, ResetClearsEveryEntryWrittenEvenPastTheLastOne) {
  const auto model = createObjModel();
  model->atlasWidth = 512.0f;
  model->smoothing = 1;
  model->currentMaterial = 0;
  model->positions.push({1, 2, 3});
  model->normals.push({0, 0, 1});
  model->texCoords.push({0.5f, 0.5f});
  model->indices.push(7);
  // A face whose third corner failed: two vertices filled but never taken in.
  model->vertices.push({1, 1, 1, 0, 0, 1, 0.25f, 0.75f});
  ModelVertex* spare = model->vertices.spare(3);
  spare[0] = spare[1] = {2, 2, 2, 0, 1, 0, 0.5f, 0.5f};
  // A material name waiting for a texture statement that never came.
  model->materials.spare(1)->setName("waiting");

  resetObjModel(*model);
  EXPECT_TRUE(sameBytes(*model, *initialModel()));
}

}  // namespace
}  // namespace qel
