#include "model/obj_model.h"

#include <algorithm>

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

void initObjModel(ObjModel& model) {
  model.atlasWidth = 256.0f;
  model.atlasHeight = 256.0f;
  model.smoothing = 0;
  model.currentMaterial = -1;
  model.positions.fill({});
  model.normals.fill({});
  model.texCoords.fill({});
  model.positionCount = model.normalCount = model.texCoordCount = 0;
  for (MaterialEntry& entry : model.materials) {
    entry.name.fill('\0');
    entry.texturePath.clear();
    entry.rectX = entry.rectY = entry.rectWidth = entry.rectHeight = 0.0f;
  }
  model.materialCount = 0;
  model.vertices.fill({});
  model.vertexCount = 0;
  model.indexCount = 0;
}

std::unique_ptr<ObjModel> createObjModel() {
  auto model = std::make_unique_for_overwrite<ObjModel>();
  initObjModel(*model);
  return model;
}

}  // namespace qel
