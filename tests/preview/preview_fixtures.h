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

// A box from -half to +half about the origin whose faces, wound counter-clockwise from
// outside, each take one texel of a 6 x 1 texture: +z, -z, +x, -x, +y, -y.
inline Bytes colouredBoxBlob(float hx = 1, float hy = 1, float hz = 1) {
  std::vector<ModelVertex> vertices;
  std::vector<std::uint16_t> indices;
  // Each face: its outward normal and two axes in the face, so that normal = a x b.
  const float faces[6][3][3] = {
      {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}, {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
      {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
      {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
  };
  for (int f = 0; f < 6; ++f) {
    const auto& [n, a, b] = faces[f];
    const float u = (f + 0.5f) / 6;
    const auto base = static_cast<std::uint16_t>(vertices.size());
    for (const auto& [s, t] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
      vertices.push_back({(n[0] + s * a[0] + t * b[0]) * hx, (n[1] + s * a[1] + t * b[1]) * hy,
                          (n[2] + s * a[2] + t * b[2]) * hz, n[0], n[1], n[2], u, 0.5f});
    }
    for (int k : {0, 1, 2, 0, 2, 3}) indices.push_back(static_cast<std::uint16_t>(base + k));
  }
  return blobOf(vertices, indices);
}

}  // namespace qel::test
