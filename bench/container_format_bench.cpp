#include <benchmark/benchmark.h>

#include "container/container_format.h"

namespace {

// A record whose blocks together hold about 64 MiB, mostly model.
qel::ContainerRecord largeRecord() {
  qel::ContainerRecord record;
  record.makerName.assign(u"工房");
  record.containerName.assign(u"大きなコンテナ");
  record.modelData = qel::Bytes(48 << 20, 0x11);
  record.textureData = qel::Bytes(12 << 20, 0x22);
  record.sideViewData = qel::Bytes(4 << 20, 0x33);
  return record;
}

void BM_SerializeLargeRecord(benchmark::State& state) {
  const qel::ContainerRecord record = largeRecord();
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
  const qel::Bytes file = *qel::serializeContainerBytes(largeRecord(), 12345);
  for (auto _ : state) {
    qel::ContainerRecord record;
    if (qel::failed(qel::parseContainerFile(record, file))) state.SkipWithError("refused");
    benchmark::DoNotOptimize(record.modelData->data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ParseLargeRecord)->Unit(benchmark::kMillisecond);

}  // namespace
