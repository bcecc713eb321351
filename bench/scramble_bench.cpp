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
