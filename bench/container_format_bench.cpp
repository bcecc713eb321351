#include <benchmark/benchmark.h>

#include "bench/workloads.h"
#include "container/container_format.h"

namespace {

void BM_SerializeLargeRecord(benchmark::State& state) {
  const qel::ContainerRecord record = qel::bench::largeRecord();
  std::size_t size = 0;
  for (auto _ : state) {
    auto file = qel::serializeContainerBytes(record, 12345);
    size = file->size();
    benchmark::DoNotOptimize(file->data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK(BM_SerializeLargeRecord)->Unit(benchmark::kMillisecond);

void BM_ParseLargeRecord(benchmark::State& state) {
  const qel::Bytes file = *qel::serializeContainerBytes(qel::bench::largeRecord(), 12345);
  for (auto _ : state) {
    qel::ContainerRecord record;
    if (qel::failed(qel::parseContainerFile(record, file))) state.SkipWithError("refused");
    benchmark::DoNotOptimize(record.modelData->data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ParseLargeRecord)->Unit(benchmark::kMillisecond);

}  // namespace
