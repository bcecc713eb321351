#include "container/scramble_stream.h"

#include <algorithm>

#include "container/scramble_generator.h"

namespace qel {

ScrambleStream::ScrambleStream(std::int32_t seed, ScrambleKernel kernel) : kernel_(kernel) {
  ScrambleGenerator generator;
  generator.start(seed);
  // The entries after start are the 55 that come before the stream's first.
  std::transform(generator.table.begin() + 1, generator.table.end(), history_.begin(),
                 [](std::int32_t entry) { return static_cast<std::uint8_t>(entry); });
}

void ScrambleStream::combineFromStep(std::span<std::uint8_t>& bytes) {
  const std::size_t count = std::min(bytes.size(), step_.size() - used_);
  for (std::size_t i = 0; i < count; ++i) bytes[i] ^= step_[used_ + i];
  used_ += count;
  bytes = bytes.subspan(count);
}

void ScrambleStream::apply(std::span<std::uint8_t> bytes) {
  combineFromStep(bytes);
  const std::size_t whole = bytes.size() - bytes.size() % kScrambleKernelStep;
  kernel_(history_.data(), bytes.data(), whole);
  bytes = bytes.subspan(whole);
  if (!bytes.empty()) {
    step_.fill(0);
    kernel_(history_.data(), step_.data(), step_.size());
    used_ = 0;
    combineFromStep(bytes);
  }
}

void applyScramble(std::span<std::uint8_t> bytes, std::int32_t seed) {
  ScrambleStream(seed).apply(bytes);
}

}  // namespace qel
