#include "image/image_slots.h"

namespace qel {

ImageCheck storeTexture(ContainerRecord& record, std::span<const std::uint8_t> data) {
  const ImageCheck check = checkContainerImage(data);
  if (!check.ok()) return check;
  // Copied before the old block goes, so that running out of memory keeps it.
  record.textureData = Bytes(data.begin(), data.end());
  record.textureWidth = static_cast<std::uint16_t>(check.size.width);
  record.textureHeight = static_cast<std::uint16_t>(check.size.height);
  return check;
}

ImageCheck storeSideView(ContainerRecord& record, std::span<const std::uint8_t> data) {
  const ImageCheck check = checkContainerImage(data);
  if (check.ok()) record.sideViewData = Bytes(data.begin(), data.end());
  return check;
}

std::optional<Bytes> copyTexture(const ContainerRecord& record) {
  return record.textureData;
}

std::optional<Bytes> copySideView(const ContainerRecord& record) {
  return record.sideViewData;
}

}  // namespace qel
