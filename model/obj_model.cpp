#include "model/obj_model.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

#include "base/out_of_memory.h"

namespace qel {

void MaterialEntry::setName(std::string_view text) {
  const std::size_t kept = std::min(text.size(), kNameCapacity - 1);
  std::copy_n(text.data(), kept, name.data());
  std::fill(name.begin() + static_cast<std::ptrdiff_t>(kept), name.end(), '\0');
}

std::string_view MaterialEntry::nameView() const {
  const auto end = std::find(name.begin(), name.end(), '\0');
  return {name.data(), static_cast<std::size_t>(end - name.begin())};
}

namespace {

// The fields that do not start as zero bytes.
void setInitialScalars(ObjModel& model) {
  model.atlasWidth = 256.0f;
  model.atlasHeight = 256.0f;
  model.smoothing = 0;
  model.currentMaterial = -1;
}

}  // namespace

void resetObjModel(ObjModel& model) {
  model.positions.clear();
  model.normals.clear();
  model.texCoords.clear();
  model.materials.clear();
  model.vertices.clear();
  model.indices.clear();
  setInitialScalars(model);
}

void ObjModelRelease::operator()(ObjModel* model) const {
  std::free(model);
}

ObjModelPtr createObjModel() {
  // malloc creates the model, an implicit-lifetime aggregate, without writing a byte of it.
  static_assert(std::is_aggregate_v<ObjModel> && std::is_trivially_destructible_v<ObjModel>);
  ObjModelPtr model(static_cast<ObjModel*>(std::malloc(sizeof(ObjModel))));
  if (!model) reportOutOfMemory();
  model->positions.startEmpty();
  model->normals.startEmpty();
  model->texCoords.startEmpty();
  model->materials.startEmpty();
  model->vertices.startEmpty();
  model->indices.startEmpty();
  setInitialScalars(*model);
  return model;
}

}  // namespace qel
