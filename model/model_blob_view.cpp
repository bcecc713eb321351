#include "model/model_blob_view.h"

#include <bit>

#include "base/little_endian.h"
#include "model/model_blob.h"
#include "model/store_model.h"

namespace qel {
namespace {

constexpr std::size_t kVertexSize = sizeof(ModelVertex);

ModelBlobReading refused(const char* code, std::string problem) {
  return {std::nullopt, code, std::move(problem)};
}

}  // namespace

ModelVertex ModelBlobView::vertex(std::uint32_t i) const {
  const std::uint8_t* p = vertices_.data() + std::size_t{i} * kVertexSize;
  const auto at = [p](int field) { return std::bit_cast<float>(readLe32(p + 4 * field)); };
  return {at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7)};
}

std::uint16_t ModelBlobView::index(std::uint32_t i) const {
  return readLe16(indices_.data() + 2 * std::size_t{i});
}

ModelBlobReading readModelBlobLayout(std::span<const std::uint8_t> blob) {
  if (!isModelBlob(blob)) {
    if (blob.size() < kModelBlobHeaderSize) {
      return refused("blob.short", "the model blob has " + std::to_string(blob.size()) +
                                       " bytes, fewer than its 16-byte head");
    }
    return refused("blob.signature", "the model blob begins with " +
                                         std::to_string(readLe32(blob.data())) + ", not 100");
  }
  const std::uint32_t format = readLe32(blob.data() + 4);
  const std::uint32_t vertexCount = readLe32(blob.data() + 8);
  const std::uint32_t indexCount = readLe32(blob.data() + 12);
  if (format != kModelVertexFormat) {
    return refused("blob.vertex-format",
                   "the model blob has the vertex format " + std::to_string(format) + ", not 274");
  }
  // 64-bit sizes: counts near 2^32 must not wrap around.
  const std::uint64_t needed = kModelBlobHeaderSize + std::uint64_t{vertexCount} * kVertexSize +
                               2 * std::uint64_t{indexCount};
  if (blob.size() < needed) {
    return refused("blob.short", "the model blob has " + std::to_string(blob.size()) +
                                     " bytes; its " + std::to_string(vertexCount) +
                                     " vertices and " + std::to_string(indexCount) +
                                     " indices need " + std::to_string(needed));
  }
  ModelBlobView view;
  view.vertexCount_ = vertexCount;
  view.indexCount_ = indexCount;
  view.vertices_ = blob.subspan(kModelBlobHeaderSize, std::size_t{vertexCount} * kVertexSize);
  view.indices_ =
      blob.subspan(kModelBlobHeaderSize + view.vertices_.size(), 2 * std::size_t{indexCount});
  view.trailingBytes_ = blob.size() - static_cast<std::size_t>(needed);
  return {view, nullptr, {}};
}

ModelBlobReading readModelBlob(std::span<const std::uint8_t> blob) {
  ModelBlobReading reading = readModelBlobLayout(blob);
  if (!reading.view) return reading;
  const ModelBlobView& view = *reading.view;
  const std::uint32_t vertexCount = view.vertexCount();
  const std::uint32_t indexCount = view.indexCount();
  if (vertexCount == 0) return refused("blob.no-vertex", "the model blob holds no vertex");
  if (indexCount % 3 != 0) {
    return refused("blob.partial-triangle", "the model blob's " + std::to_string(indexCount) +
                                                " indices are no whole number of triangles");
  }
  for (std::uint32_t i = 0; i < indexCount; ++i) {
    if (view.index(i) >= vertexCount) {
      return refused("blob.index-past-vertices",
                     "index " + std::to_string(i) + " of the model blob names vertex " +
                         std::to_string(view.index(i)) + " of " + std::to_string(vertexCount));
    }
  }
  return reading;
}

}  // namespace qel
