#include "image/image_slots.h"

#include "image/png_check.h"

namespace qel {
namespace {

std::optional<PngSize> checkedImageSize(std::span<const std::uint8_t> data) {
  PngSize size;
  if (failed(readPngSize(data, size))) return std::nullopt;
  if (size.width > kMaxImageSide || size.height > kMaxImageSide) return std::nullopt;
  return size;
}

}  // namespace

Result storeTexture(ContainerRecord& record, std::span<const std::uint8_t> data) {
  const auto size = checkedImageSize(data);
  if (!size) return kFailure;
  // Copied before the old block goes, so that running out of memory keeps it.
  record.textureData = Bytes(data.begin(), data.end());
  record.textureWidth = static_cast<std::uint16_t>(size->width);
  record.textureHeight = static_cast<std::uint16_t>(size->height);
  return kSuccess;
}

Result storeSideView(ContainerRecord& record, std::span<const std::uint8_t> data) {
  if (!checkedImageSize(data)) return kFailure;
  record.sideViewData = Bytes(data.begin(), data.end());
  return kSuccess;
}

std::optional<Bytes> copyTexture(const ContainerRecord& record) {
  return record.textureData;
}

std::optional<Bytes> copySideView(const ContainerRecord& record) {
  return record.sideViewData;
}

}  // namespace qel
