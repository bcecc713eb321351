#include "model/model_blob.h"

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

  Bytes blob(kModelBlobHeaderSize + std::size_t{stride} * vertexCount +
             2 * std::size_t{indexCount});
  LittleEndianWriter out(blob);
  out.put32(kModelBlobSignature);
  out.put32(kModelVertexFormat);
  out.put32(vertexCount);
  out.put32(indexCount);
  for (const ModelVertex& vertex : model.vertices) {
    for (float value : {vertex.x * scale, vertex.y * scale, vertex.z * scale, vertex.nx, vertex.ny,
                        vertex.nz, vertex.u, vertex.v}) {
      out.put32(std::bit_cast<std::uint32_t>(value));
    }
  }
  for (std::uint16_t index : model.indices) out.put16(index);
  return blob;
}

}  // namespace qel
