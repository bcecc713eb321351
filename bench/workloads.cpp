#include "bench/workloads.h"

#include <bit>
#include <cmath>
#include <numbers>
#include <vector>

namespace qel::bench {
namespace {

constexpr int kAround = 100;  // quads around the long axis
constexpr int kAlong = 50;    // quads from end to end: 100 * 50 * 2 triangles

void put32(Bytes& blob, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) blob.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

PreviewMesh containerLikeMesh() {
  const auto corner = [](int i, int j) {
    const double around = 2 * std::numbers::pi * i / kAround;
    const double along = std::numbers::pi * j / kAlong;
    const double nx = std::cos(along), ny = std::sin(along) * std::cos(around),
                 nz = std::sin(along) * std::sin(around);
    return std::vector<float>{float(3 * nx), float(ny), float(nz),          float(nx),
                              float(ny),     float(nz), float(i) / kAround, float(j) / kAlong};
  };
  Bytes blob;
  const std::uint32_t vertices = kAround * kAlong * 6;
  for (std::uint32_t word : {100u, 274u, vertices, vertices}) put32(blob, word);
  for (int i = 0; i < kAround; ++i) {
    for (int j = 0; j < kAlong; ++j) {
      for (const auto& [di, dj] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}}) {
        for (float f : corner(i + di, j + dj)) put32(blob, std::bit_cast<std::uint32_t>(f));
      }
    }
  }
  for (std::uint32_t k = 0; k < vertices; ++k) {
    blob.push_back(static_cast<std::uint8_t>(k));
    blob.push_back(static_cast<std::uint8_t>(k >> 8));
  }
  return *readPreviewMesh(blob).mesh;
}

RgbaImage checkerTexture() {
  RgbaImage texture(256, 256, {});
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      const bool dark = ((x / 16) + (y / 16)) % 2 == 1;
      texture.set(x, y, {std::uint8_t(dark ? 60 : 230), std::uint8_t(x), std::uint8_t(y), 255});
    }
  }
  return texture;
}

ContainerRecord largeRecord() {
  ContainerRecord record;
  record.makerName.assign(u"工房");
  record.containerName.assign(u"大きなコンテナ");
  record.modelData = Bytes(48 << 20, 0x11);
  record.textureData = Bytes(12 << 20, 0x22);
  record.sideViewData = Bytes(4 << 20, 0x33);
  return record;
}

}  // namespace qel::bench
