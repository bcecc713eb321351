#pragma once

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/bytes.h"
#include "model/obj_model.h"
#include "preview/preview_mesh.h"
#include "preview/rgba_image.h"

namespace qel::test {

inline void putLe32(Bytes& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A ModelBlob of the converter's format holding vertices and indices.
inline Bytes blobOf(const std::vector<ModelVertex>& vertices,
                    const std::vector<std::uint16_t>& indices) {
  Bytes blob;
  for (std::uint32_t word :
       {100u, 274u, std::uint32_t(vertices.size()), std::uint32_t(indices.size())}) {
    putLe32(blob, word);
  }
  for (const ModelVertex& v : vertices) {
    for (float f : {v.x, v.y, v.z, v.nx, v.ny, v.nz, v.u, v.v}) {
      putLe32(blob, std::bit_cast<std::uint32_t>(f));
    }
  }
  for (std::uint16_t index : indices) {
    blob.push_back(static_cast<std::uint8_t>(index));
    blob.push_back(static_cast<std::uint8_t>(index >> 8));
  }
  return blob;
}

// A square from (-1, -1) to (1, 1) in the plane z = 0, its front towards +z, the whole
// texture on it the right way up.
inline Bytes squareBlob() {
  return blobOf({{-1, -1, 0, 0, 0, 1, 0, 1},
                 {1, -1, 0, 0, 0, 1, 1, 1},
                 {1, 1, 0, 0, 0, 1, 1, 0},
                 {-1, 1, 0, 0, 0, 1, 0, 0}},
                {0, 1, 2, 0, 2, 3});
}

// count squares as squareBlob's one behind the other, a thousandth apart.
inline Bytes stackedSquares(int count) {
  std::vector<ModelVertex> vertices;
  std::vector<std::uint16_t> indices;
  for (int k = 0; k < count; ++k) {
    const float z = -0.001f * static_cast<float>(k);
    vertices.insert(vertices.end(), {{-1, -1, z, 0, 0, 1, 0, 1},
                                     {1, -1, z, 0, 0, 1, 1, 1},
                                     {1, 1, z, 0, 0, 1, 1, 0},
                                     {-1, 1, z, 0, 0, 1, 0, 0}});
    const auto first = static_cast<std::uint16_t>(4 * k);
    for (int corner : {0, 1, 2, 0, 2, 3})
      indices.push_back(static_cast<std::uint16_t>(first + corner));
  }
  return blobOf(vertices, indices);
}

inline PreviewMesh meshOf(const Bytes& blob) {
  PreviewMeshReading reading = readPreviewMesh(blob);
  if (!reading.mesh) std::abort();
  return std::move(*reading.mesh);
}

// Whether pixel is colour under some light: each channel in the colour's proportions.
inline bool looksLike(Rgba pixel, Rgba colour) {
  const int top = std::max({colour.r, colour.g, colour.b});
  const int seen = std::max({pixel.r, pixel.g, pixel.b});
  if (top == 0 || seen < 40) return false;
  const auto near = [&](int p, int c) { return std::abs(p - c * seen / top) <= 3; };
  return near(pixel.r, colour.r) && near(pixel.g, colour.g) && near(pixel.b, colour.b);
}

}  // namespace qel::test
