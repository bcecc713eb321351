// The page's side of the benchmarks that scripts/web-bench.sh sets against qelcontainer-bench
// in one run: a preview frame drawn as BM_RenderPreview draws it at 512 x 512, and a container
// file read as BM_ParseLargeRecord reads it. Prints "NAME MILLISECONDS" per benchmark, the
// median of the repetitions' times per iteration.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/workloads.h"
#include "container/container_format.h"
#include "preview/render_preview.h"

namespace {

constexpr int kRepetitions = 5;
// Each repetition runs the work this long at least, as Google Benchmark does.
constexpr std::chrono::milliseconds kRepetitionTime{500};

volatile std::uint8_t sink = 0;

double medianMilliseconds(const std::function<void()>& work) {
  using Clock = std::chrono::steady_clock;
  work();  // warm
  std::vector<double> times;
  for (int repetition = 0; repetition < kRepetitions; ++repetition) {
    const Clock::time_point start = Clock::now();
    int iterations = 0;
    Clock::duration elapsed{};
    do {
      work();
      ++iterations;
      elapsed = Clock::now() - start;
    } while (elapsed < kRepetitionTime);
    times.push_back(std::chrono::duration<double, std::milli>(elapsed).count() / iterations);
  }
  std::nth_element(times.begin(), times.begin() + kRepetitions / 2, times.end());
  return times[kRepetitions / 2];
}

}  // namespace

int main() {
  const qel::PreviewMesh mesh = qel::bench::containerLikeMesh();
  const qel::RgbaImage texture = qel::bench::checkerTexture();
  qel::PreviewRenderer renderer;
  float yaw = 0;
  const double render = medianMilliseconds([&] {
    qel::PreviewView view;
    view.yawDegrees = yaw;
    const qel::RgbaImage& image =
        renderer.render(mesh, &texture, view, qel::bench::kFrameSide, qel::bench::kFrameSide,
                        {64, 72, 80, 255}, qel::PreviewOverlays{0.5f, false, false, false});
    sink = image.pixels[0];
    yaw += 1;
  });
  std::printf("BM_RenderPreview %.3f\n", render);

  const qel::Bytes file = *qel::serializeContainerBytes(qel::bench::largeRecord(), 12345);
  bool refused = false;
  const double read = medianMilliseconds([&] {
    qel::ContainerRecord record;
    refused |= qel::failed(qel::parseContainerFile(record, file));
    sink = (*record.modelData)[0];
  });
  if (refused) {
    std::printf("BM_ParseLargeRecord refused\n");
    return 1;
  }
  std::printf("BM_ParseLargeRecord %.3f\n", read);
  return 0;
}
