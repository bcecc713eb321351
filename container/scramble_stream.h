#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "container/scramble_kernels.h"

namespace qel {

// The byte stream of a generator started with one seed, continued across consecutive
// pieces of a body and computed many bytes at a time.
class ScrambleStream {
 public:
  explicit ScrambleStream(std::int32_t seed, ScrambleKernel kernel = fastestScrambleKernel());

  // Combines bytes with the next bytes.size() bytes of the stream.
  void apply(std::span<std::uint8_t> bytes);

 private:
  // Combines the front of bytes with what is left of the current step and drops it.
  void combineFromStep(std::span<std::uint8_t>& bytes);

  ScrambleKernel kernel_;
  std::array<std::uint8_t, kScrambleHistory> history_;
  // The kernel works in whole steps; a piece that ends inside one leaves the rest here.
  std::array<std::uint8_t, kScrambleKernelStep> step_{};
  std::size_t used_ = kScrambleKernelStep;
};

// Combines bytes in place with the stream of a generator freshly started with seed.
void applyScramble(std::span<std::uint8_t> bytes, std::int32_t seed);

}  // namespace qel
