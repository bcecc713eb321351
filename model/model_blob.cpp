#include "model/model_blob.h"

#include <array>
#include <bit>

#include "base/little_endian.h"
#include "container/whole_file.h"
#include "model/vertex_stride.h"

namespace qel {

std::optional<Bytes> buildModelBlob(const ObjModel& model, float scale) {
  if (model.vertices.empty()) return std::nullopt;
  const auto vertexCount = static_cast<std::uint32_t>(model.vertices.size());
  const auto indexCount = static_cast<std::uint32_t>(model.indices.size());
  const std::uint32_t stride = vertexStride(kModelVertexFormat);

  // Filled by appending, not cleared first: every byte is written once.
  Bytes blob;
  blob.reserve(kModelBlobHeaderSize + std::size_t{stride} * vertexCount +
               2 * std::size_t{indexCount});
  const auto append = [&blob](const auto& bytes) {
    blob.insert(blob.end(), bytes.begin(), bytes.end());
  };
  std::array<std::uint8_t, kModelBlobHeaderSize> header;
  LittleEndianWriter head(header);
  for (std::uint32_t value : {kModelBlobSignature, kModelVertexFormat, vertexCount, indexCount}) {
    head.put32(value);
  }
  append(header);
  for (const ModelVertex& vertex : model.vertices) {
    std::array<std::uint8_t, sizeof(ModelVertex)> bytes;
    LittleEndianWriter out(bytes);
    for (float value : {vertex.x * scale, vertex.y * scale, vertex.z * scale, vertex.nx, vertex.ny,
                        vertex.nz, vertex.u, vertex.v}) {
      out.put32(std::bit_cast<std::uint32_t>(value));
    }
    append(bytes);
  }
  for (std::uint16_t index : model.indices) {
    std::array<std::uint8_t, 2> bytes;
    LittleEndianWriter(bytes).put16(index);
    append(bytes);
  }
  return blob;
}

}  // namespace qel
