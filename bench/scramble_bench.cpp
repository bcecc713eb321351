#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "container/scramble_stream.h"

namespace {

// Scrambling is measured against memcpy of the same size in the same run.
void BM_Scramble(benchmark::State& state) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(state.range(0)), 0x5A);
  for (auto _ : state) {
    qel::applyScramble(bytes, 0xABCDEF);
    benchmark::DoNotOptimize(bytes.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Scramble)->Arg(64 << 20);

// The kernel of processors without AVX2.
void BM_ScrambleSse2(benchmark::State& state) {
  const qel::ScrambleKernel kernel = qel::scrambleKernel(qel::ScrambleKernelKind::Sse2);
  if (!kernel) {
    state.SkipWithError("no SSE2 kernel in this build");
    return;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(state.range(0)), 0x5A);
  for (auto _ : state) {
    qel::ScrambleStream(0xABCDEF, kernel).apply(bytes);
    benchmark::DoNotOptimize(bytes.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ScrambleSse2)->Arg(64 << 20);

void BM_Memcpy(benchmark::State& state) {
  const std::vector<std::uint8_t> from(static_cast<std::size_t>(state.range(0)), 0x5A);
  std::vector<std::uint8_t> to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Memcpy)->Arg(64 << 20);

}  // namespace
