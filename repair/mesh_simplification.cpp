#include "repair/mesh_simplification.h"

#include <meshoptimizer.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "model/flat_normal.h"

namespace qel {
namespace {

// The stages of the work, as progress counts them.
enum Stage : std::uint64_t { kWelded = 2, kIndexed = 3, kSimplified = 9, kStages = 10 };

Vector3 positionOf(const ModelVertex& v) {
  return {v.x, v.y, v.z};
}

// The corners that are one vertex of the surface: the same position, texture coordinate as
// written and material, and for smooth faces the same normal. Corners of flat faces forget
// their normal first, since it is made again from the new triangles.
std::vector<std::uint32_t> weldCorners(RepairReading& reading, std::size_t& welded) {
  RepairMesh& mesh = reading.mesh;
  const auto count = static_cast<std::size_t>(mesh.vertices.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (!reading.vertexFlat[i]) continue;
    ModelVertex& vertex = mesh.vertices[static_cast<std::int32_t>(i)];
    vertex.nx = vertex.ny = vertex.nz = 0.0f;
  }
  const ModelVertex* vertices = mesh.vertices.begin();
  const meshopt_Stream streams[] = {
      {&vertices->x, 3 * sizeof(float), sizeof(ModelVertex)},
      {&vertices->nx, 3 * sizeof(float), sizeof(ModelVertex)},
      {reading.vertexTexCoords.data(), sizeof(TexCoord), sizeof(TexCoord)},
      {reading.vertexMaterials.data(), sizeof(std::int32_t), sizeof(std::int32_t)},
  };
  std::vector<std::uint32_t> remap(count);
  welded = meshopt_generateVertexRemapMulti(remap.data(), mesh.indices.begin(),
                                            static_cast<std::size_t>(mesh.indices.size()), count,
                                            streams, std::size(streams));
  return remap;
}

}  // namespace

std::optional<ModelSimplification> simplifyToFit(RepairReading& reading, std::int32_t maxTriangles,
                                                 Progress& progress) {
  RepairMesh& mesh = reading.mesh;
  // The simplifier's measures of a surface have no meaning at an infinite coordinate.
  const auto finite = [](const ModelVertex& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
  };
  if (!std::all_of(mesh.vertices.begin(), mesh.vertices.end(), finite)) return std::nullopt;
  const auto indexCount = static_cast<std::size_t>(mesh.indices.size());
  std::size_t weldedCount = 0;
  const std::vector<std::uint32_t> remap = weldCorners(reading, weldedCount);
  if (!progress.advance(kWelded, kStages)) return std::nullopt;

  // One corner stands for each welded vertex; the simplifier sees only their positions.
  std::vector<std::uint32_t> cornerOf(weldedCount);
  std::vector<float> positions(3 * weldedCount);
  for (std::size_t i = remap.size(); i-- > 0;) {
    if (remap[i] == ~0u) continue;  // a corner no face uses
    cornerOf[remap[i]] = static_cast<std::uint32_t>(i);
    const ModelVertex& v = mesh.vertices[static_cast<std::int32_t>(i)];
    std::copy_n(&v.x, 3, &positions[3 * remap[i]]);
  }
  std::vector<std::uint32_t> weldedIndices(indexCount);
  for (std::size_t k = 0; k < indexCount; ++k) {
    weldedIndices[k] = remap[mesh.indices[static_cast<std::int32_t>(k)]];
  }
  if (!progress.advance(kIndexed, kStages)) return std::nullopt;

  const auto target = static_cast<std::size_t>(maxTriangles) * 3;
  std::vector<std::uint32_t> kept(indexCount);
  float error = 0.0f;
  std::size_t keptCount =
      meshopt_simplify(kept.data(), weldedIndices.data(), indexCount, positions.data(), weldedCount,
                       3 * sizeof(float), target, FLT_MAX, 0, &error);
  // Seams and borders can hold the careful simplifier above the target: then the surface
  // goes before its seams do.
  if (keptCount > target) {
    keptCount =
        meshopt_simplifySloppy(kept.data(), weldedIndices.data(), indexCount, positions.data(),
                               weldedCount, 3 * sizeof(float), target, FLT_MAX, &error);
  }
  if (keptCount == 0 || keptCount > target || !progress.advance(kSimplified, kStages))
    return std::nullopt;

  // A vertex per corner again, as the reader makes them.
  std::vector<ModelVertex> vertices(keptCount);
  std::vector<std::int32_t> materials(keptCount);
  std::vector<TexCoord> texCoords(keptCount);
  std::vector<bool> flat(keptCount);
  for (std::size_t k = 0; k < keptCount; ++k) {
    const std::uint32_t corner = cornerOf[kept[k]];
    vertices[k] = mesh.vertices[static_cast<std::int32_t>(corner)];
    materials[k] = reading.vertexMaterials[corner];
    texCoords[k] = reading.vertexTexCoords[corner];
    flat[k] = reading.vertexFlat[corner];
  }
  for (std::size_t k = 0; k < keptCount; k += 3) {
    // The sloppy simplifier can join corners of different materials in one triangle, whose
    // texture coordinates would then stretch across the atlas: its first corner's material
    // and coordinate hold for all three.
    for (std::size_t c = k + 1; c < k + 3; ++c) {
      if (materials[c] == materials[k]) continue;
      materials[c] = materials[k];
      texCoords[c] = texCoords[k];
    }
    const Vector3 normal = flatNormal(positionOf(vertices[k]), positionOf(vertices[k + 1]),
                                      positionOf(vertices[k + 2]));
    for (std::size_t c = k; c < k + 3; ++c) {
      if (!flat[c]) continue;
      vertices[c].nx = normal.x;
      vertices[c].ny = normal.y;
      vertices[c].nz = normal.z;
    }
  }

  ModelSimplification done;
  done.trianglesBefore = mesh.indices.size() / 3;
  done.trianglesAfter = static_cast<std::int32_t>(keptCount / 3);
  done.error = error;
  mesh.vertices.release();
  mesh.indices.release();
  const auto added = static_cast<std::int32_t>(keptCount);
  std::copy(vertices.begin(), vertices.end(), mesh.vertices.spare(added));
  mesh.vertices.extend(added);
  for (std::int32_t k = 0; k < added; ++k) mesh.indices.push(static_cast<std::uint32_t>(k));
  reading.vertexMaterials = std::move(materials);
  reading.vertexTexCoords = std::move(texCoords);
  reading.vertexFlat = std::move(flat);
  return done;
}

}  // namespace qel
