#include "preview/preview_mesh.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "base/little_endian.h"
#include "model/model_blob.h"

namespace qel {
namespace {

constexpr std::size_t kVertexRecordSize = sizeof(ModelVertex);

ModelVertex vertexAt(const std::uint8_t* p) {
  float f[8];
  for (int i = 0; i < 8; ++i) f[i] = std::bit_cast<float>(readLe32(p + 4 * i));
  return {f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]};
}

bool finitePosition(const ModelVertex& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// Bounds in double, so that positions near the float limit cannot overflow them.
void frame(PreviewMesh& mesh) {
  if (mesh.triangles.empty()) return;
  double low[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL};
  double high[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  for (const auto& triangle : mesh.triangles) {
    for (std::uint16_t index : triangle) {
      const ModelVertex& v = mesh.vertices[index];
      const double p[3] = {v.x, v.y, v.z};
      for (int k = 0; k < 3; ++k) {
        low[k] = std::min(low[k], p[k]);
        high[k] = std::max(high[k], p[k]);
      }
    }
  }
  double c[3];
  for (int k = 0; k < 3; ++k) c[k] = (low[k] + high[k]) / 2;
  double radius = 0;
  for (const auto& triangle : mesh.triangles) {
    for (std::uint16_t index : triangle) {
      const ModelVertex& v = mesh.vertices[index];
      radius = std::max(radius, std::hypot(v.x - c[0], v.y - c[1], v.z - c[2]));
    }
  }
  mesh.center = {static_cast<float>(c[0]), static_cast<float>(c[1]), static_cast<float>(c[2])};
  mesh.radius = static_cast<float>(std::min<double>(radius, 3.0e38));
}

}  // namespace

PreviewMeshReading readPreviewMesh(std::span<const std::uint8_t> blob) {
  if (blob.size() < kModelBlobHeaderSize || readLe32(blob.data()) != kModelBlobSignature) {
    return {std::nullopt, "not a model blob"};
  }
  if (readLe32(blob.data() + 4) != kModelVertexFormat) {
    return {std::nullopt, "a vertex format other than position, normal and one uv pair"};
  }
  const std::uint64_t vertexCount = readLe32(blob.data() + 8);
  const std::uint64_t indexCount = readLe32(blob.data() + 12);
  const std::uint64_t indexStart = kModelBlobHeaderSize + vertexCount * kVertexRecordSize;
  if (indexStart + indexCount * 2 > blob.size()) {
    return {std::nullopt, "its vertex and index counts run past its end"};
  }

  PreviewMesh mesh;
  mesh.vertices.reserve(vertexCount);
  for (std::uint64_t i = 0; i < vertexCount; ++i) {
    mesh.vertices.push_back(vertexAt(blob.data() + kModelBlobHeaderSize + i * kVertexRecordSize));
  }
  const std::uint8_t* indices = blob.data() + indexStart;
  for (std::uint64_t t = 0; t + 3 <= indexCount; t += 3) {
    std::array<std::uint16_t, 3> triangle;
    bool drawable = true;
    for (int k = 0; k < 3; ++k) {
      triangle[k] = readLe16(indices + 2 * (t + k));
      drawable =
          drawable && triangle[k] < vertexCount && finitePosition(mesh.vertices[triangle[k]]);
    }
    if (drawable) mesh.triangles.push_back(triangle);
  }
  frame(mesh);
  return {std::move(mesh), {}};
}

}  // namespace qel
