#include "model/model_scale.h"

#include <algorithm>
#include <bit>

#include "base/little_endian.h"
#include "model/model_blob.h"
#include "model/model_blob_view.h"

namespace qel {
namespace {

float floatAt(const std::uint8_t* at) {
  return std::bit_cast<float>(readLe32(at));
}

}  // namespace

std::optional<double> scaleToFit(const ModelExtent& extent, ModelUnit unit, double lengthMm) {
  if (!(extent.length > 0.0) || !(lengthMm > 0.0)) return std::nullopt;
  const double scale = lengthMm / (extent.length * millimetresPer(unit));
  if (!(scale >= kMinModelScale && scale <= kMaxModelScale)) return std::nullopt;
  return scale;
}

std::optional<ModelExtent> modelExtent(const Bytes& blob) {
  const auto reading = readModelBlob(blob);
  if (!reading.view) return std::nullopt;
  const ModelBlobView& view = *reading.view;
  const ModelVertex first = view.vertex(0);
  Vector3 low{first.x, first.y, first.z}, high = low;
  for (std::uint32_t i = 1; i < view.vertexCount(); ++i) {
    const ModelVertex v = view.vertex(i);
    low = {std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z)};
    high = {std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z)};
  }
  const double dx = double{high.x} - low.x, dz = double{high.z} - low.z;
  return ModelExtent{std::max(dx, dz), std::min(dx, dz), double{high.y} - low.y};
}

bool scaleModelBlob(Bytes& blob, float scale) {
  const auto reading = readModelBlob(blob);
  if (!reading.view) return false;
  const std::uint32_t count = reading.view->vertexCount();
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint8_t* position = blob.data() + kModelBlobHeaderSize + sizeof(ModelVertex) * i;
    LittleEndianWriter out({position, 12});
    for (std::size_t axis = 0; axis < 3; ++axis) {
      out.put32(std::bit_cast<std::uint32_t>(floatAt(position + 4 * axis) * scale));
    }
  }
  return true;
}

}  // namespace qel
