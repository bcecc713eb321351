// Drawing a model at the working model's capacity (30,000 vertices, 10,000 textured
// triangles) at 512 x 512, against filling the same picture and depth buffer once: how
// many clears of the frame a drawing costs.
#include <benchmark/benchmark.h>

#include <bit>
#include <cmath>
#include <numbers>
#include <vector>

#include "base/bytes.h"
#include "preview/preview_mesh.h"
#include "preview/render_preview.h"

namespace {

constexpr int kSide = 512;
constexpr int kAround = 100;  // quads around the long axis
constexpr int kAlong = 50;    // quads from end to end: 100 * 50 * 2 triangles

void put32(qel::Bytes& blob, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) blob.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A sphere stretched to a container's proportions, every triangle with corners of its own
// as the converter writes them.
qel::PreviewMesh containerLikeMesh() {
  const auto corner = [](int i, int j) {
    const double around = 2 * std::numbers::pi * i / kAround;
    const double along = std::numbers::pi * j / kAlong;
    const double nx = std::cos(along), ny = std::sin(along) * std::cos(around),
                 nz = std::sin(along) * std::sin(around);
    return std::vector<float>{float(3 * nx), float(ny), float(nz),          float(nx),
                              float(ny),     float(nz), float(i) / kAround, float(j) / kAlong};
  };
  qel::Bytes blob;
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
  return *qel::readPreviewMesh(blob).mesh;
}

qel::RgbaImage checkerTexture() {
  qel::RgbaImage texture(256, 256, {});
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      const bool dark = ((x / 16) + (y / 16)) % 2 == 1;
      texture.set(x, y, {std::uint8_t(dark ? 60 : 230), std::uint8_t(x), std::uint8_t(y), 255});
    }
  }
  return texture;
}

// At 512 x 512, and at the model's area of the pane in a 1920 x 1080 window (its client
// area about 1920 x 1010), with the pane's grid, box and axes.
void BM_RenderPreview(benchmark::State& state) {
  const qel::PreviewMesh mesh = containerLikeMesh();
  const qel::RgbaImage texture = checkerTexture();
  const auto width = static_cast<int>(state.range(0));
  const auto height = static_cast<int>(state.range(1));
  const qel::PreviewOverlays overlays{0.5f, state.range(2) != 0, state.range(2) != 0, false};
  qel::PreviewRenderer renderer;
  float yaw = 0;
  for (auto _ : state) {
    qel::PreviewView view;
    view.yawDegrees = yaw;
    const qel::RgbaImage& image =
        renderer.render(mesh, &texture, view, width, height, {64, 72, 80, 255}, overlays);
    benchmark::DoNotOptimize(image.pixels.data());
    yaw += 1;
  }
  state.counters["vertices"] = double(mesh.vertices.size());
}
BENCHMARK(BM_RenderPreview)
    ->ArgNames({"width", "height", "overlays"})
    ->Args({kSide, kSide, 0})
    ->Args({1512, 526, 1})
    ->Unit(benchmark::kMillisecond);

void BM_RenderPreviewFrameFill(benchmark::State& state) {
  qel::RgbaImage image;
  std::vector<float> depth;
  for (auto _ : state) {
    image.reset(kSide, kSide, {64, 72, 80, 255});
    depth.assign(std::size_t(kSide) * kSide, 0.0f);
    benchmark::DoNotOptimize(image.pixels.data());
    benchmark::DoNotOptimize(depth.data());
  }
}
BENCHMARK(BM_RenderPreviewFrameFill)->Unit(benchmark::kMillisecond);

}  // namespace
