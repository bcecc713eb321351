#include "model/obj_model.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

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
  // Every other field starts as zero bytes (0, 0.0, empty texts): one pass over the
  // several megabytes instead of one per list.
  static_assert(std::is_trivially_copyable_v<ObjModel>);
  std::memset(static_cast<void*>(&model), 0, sizeof model);
  model.atlasWidth = 256.0f;
  model.atlasHeight = 256.0f;
  model.currentMaterial = -1;
}

std::unique_ptr<ObjModel> createObjModel() {
  auto model = std::make_unique_for_overwrite<ObjModel>();
  initObjModel(*model);
  return model;
}

}  // namespace qel
