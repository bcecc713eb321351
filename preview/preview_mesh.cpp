#include "preview/preview_mesh.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <unordered_set>

#include "model/model_blob_view.h"

namespace qel {
namespace {

bool finitePosition(const ModelVertex& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// The three corners' positions, bit for bit.
using Corners = std::array<std::uint32_t, 9>;

Corners cornersOf(const PreviewMesh& mesh, const std::array<std::uint16_t, 3>& triangle) {
  Corners corners;
  for (std::size_t k = 0; k < 3; ++k) {
    const ModelVertex& v = mesh.vertices[triangle[k]];
    corners[3 * k] = std::bit_cast<std::uint32_t>(v.x);
    corners[3 * k + 1] = std::bit_cast<std::uint32_t>(v.y);
    corners[3 * k + 2] = std::bit_cast<std::uint32_t>(v.z);
  }
  return corners;
}

struct CornersHash {
  std::size_t operator()(const Corners& c) const {
    std::uint64_t h = 0xcbf29ce484222325;  // FNV-1a over the words
    for (const std::uint32_t word : c) h = (h ^ word) * 0x100000001b3;
    return static_cast<std::size_t>(h);
  }
};

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
  const auto point = [](const double* p) {
    return Vector3{static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])};
  };
  mesh.low = point(low);
  mesh.high = point(high);
  mesh.center = point(c);
  mesh.radius = static_cast<float>(std::min<double>(radius, 3.0e38));
}

}  // namespace

PreviewMeshReading readPreviewMesh(std::span<const std::uint8_t> blob) {
  ModelBlobReading reading = readModelBlobLayout(blob);
  if (!reading.view) return {std::nullopt, std::move(reading.problem)};
  const ModelBlobView& view = *reading.view;

  PreviewMesh mesh;
  // A 16-bit index names no vertex after these.
  const std::uint32_t vertexCount = std::min<std::uint32_t>(view.vertexCount(), 0x10000);
  mesh.vertices.reserve(vertexCount);
  for (std::uint32_t i = 0; i < vertexCount; ++i) mesh.vertices.push_back(view.vertex(i));
  std::unordered_set<Corners, CornersHash> drawn;
  for (std::uint32_t t = 0; std::uint64_t{t} + 3 <= view.indexCount(); t += 3) {
    std::array<std::uint16_t, 3> triangle;
    bool drawable = true;
    for (std::uint32_t k = 0; k < 3; ++k) {
      triangle[k] = view.index(t + k);
      drawable =
          drawable && triangle[k] < vertexCount && finitePosition(mesh.vertices[triangle[k]]);
    }
    if (!drawable) continue;
    const Corners corners = cornersOf(mesh, triangle);
    if (!drawn.insert(corners).second) continue;
    if (mesh.triangles.size() == kMaxPreviewTriangles) {
      mesh.partial = true;
      break;
    }
    mesh.triangles.push_back(triangle);
  }
  frame(mesh);
  return {std::move(mesh), {}};
}

}  // namespace qel
