#include "model/model_blob.h"

#include <bit>

#include "container/whole_file.h"
#include "model/vertex_stride.h"

namespace qel {
namespace {

void putWord(std::uint8_t*& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<std::uint8_t>(value >> shift);
}

void putFloat(std::uint8_t*& out, float value) {
  putWord(out, std::bit_cast<std::uint32_t>(value));
}

}  // namespace

std::optional<Bytes> buildModelBlob(const ObjModel& model, float scale) {
  if (model.vertexCount <= 0) return std::nullopt;
  const auto vertexCount = static_cast<std::uint32_t>(model.vertexCount);
  const auto indexCount = static_cast<std::uint32_t>(model.indexCount);
  const std::uint32_t stride = vertexStride(kModelVertexFormat);

  Bytes blob(kModelBlobHeaderSize + std::size_t{stride} * vertexCount +
             2 * std::size_t{indexCount});
  std::uint8_t* out = blob.data();
  putWord(out, kModelBlobSignature);
  putWord(out, kModelVertexFormat);
  putWord(out, vertexCount);
  putWord(out, indexCount);
  for (std::uint32_t i = 0; i < vertexCount; ++i) {
    const ModelVertex& vertex = model.vertices[i];
    putFloat(out, vertex.x * scale);
    putFloat(out, vertex.y * scale);
    putFloat(out, vertex.z * scale);
    putFloat(out, vertex.nx);
    putFloat(out, vertex.ny);
    putFloat(out, vertex.nz);
    putFloat(out, vertex.u);
    putFloat(out, vertex.v);
  }
  for (std::uint32_t i = 0; i < indexCount; ++i) {
    *out++ = static_cast<std::uint8_t>(model.indices[i]);
    *out++ = static_cast<std::uint8_t>(model.indices[i] >> 8);
  }
  return blob;
}

Result writeModelBlob(const ObjModel& model, std::u16string_view path, float scale) {
  const auto blob = buildModelBlob(model, scale);
  if (!blob) return kFailure;
  return writeWholeFile(path, *blob) ? kSuccess : kFailure;
}

}  // namespace qel
