// Drawing a model at the working model's capacity (30,000 vertices, 10,000 textured
// triangles) at 512 x 512, against filling the same picture and depth buffer once: how
// many clears of the frame a drawing costs.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/workloads.h"
#include "preview/preview_mesh.h"
#include "preview/render_preview.h"

namespace {

constexpr int kSide = qel::bench::kFrameSide;

// At 512 x 512, and at the model's area of the pane in a 1920 x 1080 window (its client
// area about 1920 x 1010), with the pane's grid, box and axes.
void BM_RenderPreview(benchmark::State& state) {
  const qel::PreviewMesh mesh = qel::bench::containerLikeMesh();
  const qel::RgbaImage texture = qel::bench::checkerTexture();
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
