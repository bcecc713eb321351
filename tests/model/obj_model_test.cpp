#include "model/obj_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace qel {
namespace {

TEST(MaterialEntry, KeepsAtMost63BytesOfItsName) {
  MaterialEntry entry{};
  entry.setName(std::string(70, 'n'));
  EXPECT_EQ(entry.nameView(), std::string(63, 'n'));
  entry.setName("A");
  EXPECT_EQ(entry.nameView(), "A");
}

// Empty lists whose spare entries start as zeros, as the entries a reader fills in place
// must.
void expectEmptyLists(ObjModel& model) {
  EXPECT_EQ(model.positions.size() + model.normals.size() + model.texCoords.size() +
                model.materials.size() + model.vertices.size() + model.indices.size(),
            0);
  const auto isZero = [](const auto& entry) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&entry);
    return std::all_of(bytes, bytes + sizeof entry, [](unsigned char b) { return b == 0; });
  };
  EXPECT_TRUE(isZero(*model.materials.spare(1)));
  const ModelVertex* vertices = model.vertices.spare(3);
  EXPECT_TRUE(isZero(vertices[0]) && isZero(vertices[1]) && isZero(vertices[2]));
}

void expectInitial(ObjModel& model) {
  EXPECT_EQ(model.atlasWidth, 256.0f);
  EXPECT_EQ(model.atlasHeight, 256.0f);
  EXPECT_EQ(model.smoothing, 0);
  EXPECT_EQ(model.currentMaterial, -1);
  expectEmptyLists(model);
}

TEST(ObjModel, ANewModelIsInTheInitialStateWhateverItsMemoryHeld) {
  using Vertices = FixedList<ModelVertex, 4>;
  alignas(Vertices) unsigned char memory[sizeof(Vertices)];
  std::memset(memory, 0xA5, sizeof memory);
  auto* list = new (memory) Vertices;
  list->startEmpty();
  const ModelVertex* spare = list->spare(4);
  EXPECT_TRUE(std::all_of(spare, spare + 4, [](const ModelVertex& v) {
    return v.x == 0.0f && v.nz == 0.0f && v.v == 0.0f;
  }));
  expectInitial(*createObjModel());
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
  expectInitial(*model);
}

}  // namespace
}  // namespace qel
