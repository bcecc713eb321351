#include "container/scramble_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "container/scramble_stream.h"

namespace qel {
namespace {

std::vector<std::uint8_t> streamOf(std::int32_t seed, std::size_t count) {
  ScrambleGenerator generator;
  generator.start(seed);
  std::vector<std::uint8_t> bytes(count);
  for (auto& b : bytes) b = generator.nextByte();
  return bytes;
}

using Stream = std::vector<std::uint8_t>;

TEST(ScrambleGenerator, FirstBytesOfKnownSeeds) {
  EXPECT_EQ(streamOf(0, 16), (Stream{0x87, 0x62, 0xf3, 0x03, 0x84, 0x0e, 0xdd, 0x84, 0xa2, 0x1d,
                                     0x64, 0xb9, 0xfe, 0x0d, 0xb5, 0xf8}));
  EXPECT_EQ(streamOf(1, 16), (Stream{0x9c, 0x36, 0xeb, 0xbe, 0xa1, 0x60, 0xbc, 0x1f, 0x93, 0x99,
                                     0x50, 0xe6, 0x47, 0xbd, 0xce, 0x35}));
  EXPECT_EQ(streamOf(12345, 16), (Stream{0x34, 0x96, 0x2b, 0xa6, 0xf9, 0x50, 0x84, 0x07, 0x4b, 0xb9,
                                         0xf0, 0xbe, 0x3f, 0x3d, 0x46, 0x8d}));
  EXPECT_EQ(streamOf(0xFFFFFF, 16), (Stream{0x72, 0x8e, 0xfb, 0x48, 0x67, 0xbc, 0xfe, 0xe9, 0xb1,
                                            0xa1, 0x78, 0x8c, 0xb5, 0x5d, 0x9c, 0xbb}));
}

TEST(ScrambleGenerator, SeedsOutsideTheRangeAreClamped) {
  EXPECT_EQ(streamOf(-1, 200), streamOf(0, 200));
  EXPECT_EQ(streamOf(std::numeric_limits<std::int32_t>::min(), 200), streamOf(0, 200));
  EXPECT_EQ(streamOf(0x7FFFFFFF, 200), streamOf(1'000'000'000, 200));
  EXPECT_EQ(streamOf(1'000'000'001, 200), streamOf(1'000'000'000, 200));
  EXPECT_NE(streamOf(999'999'999, 200), streamOf(1'000'000'000, 200));
}

TEST(ApplyScramble, CombinesWithTheByteStream) {
  // Lengths around the block size catch errors at the block seams.
  for (std::size_t count : {0u, 1u, 54u, 55u, 56u, 109u, 110u, 111u, 4099u}) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    const auto original = bytes;
    applyScramble(bytes, 777);
    const auto stream = streamOf(777, count);
    for (std::size_t i = 0; i < count; ++i) {
      ASSERT_EQ(bytes[i], original[i] ^ stream[i]) << "count " << count << " at " << i;
    }
    applyScramble(bytes, 777);
    EXPECT_EQ(bytes, original);
  }
}

// Every kernel, whichever the processor would pick, against the generator itself; pieces of
// growing odd sizes cross the kernels' steps at every offset.
class ScrambleKernels : public testing::TestWithParam<ScrambleKernelKind> {};

TEST_P(ScrambleKernels, GiveTheGeneratorsStreamAcrossPieces) {
  const ScrambleKernel kernel = scrambleKernel(GetParam());
  if (!kernel) GTEST_SKIP() << "this build or this processor cannot run the kernel";
  constexpr std::size_t kTotal = 300'000;
  for (std::int32_t seed : {0, 0xFFFFFF, 1'000'000'000}) {
    std::vector<std::uint8_t> bytes(kTotal);
    ScrambleStream stream(seed, kernel);
    for (std::size_t at = 0, size = 0; at < kTotal; at += size, size = 2 * size + 1) {
      stream.apply(std::span(bytes).subspan(at, std::min(size, kTotal - at)));
    }
    EXPECT_EQ(bytes, streamOf(seed, kTotal)) << "seed " << seed;
  }
}

std::string kernelName(const testing::TestParamInfo<ScrambleKernelKind>& kind) {
  constexpr const char* kNames[] = {"Portable", "Sse2", "Avx2"};
  return kNames[static_cast<int>(kind.param)];
}

INSTANTIATE_TEST_SUITE_P(Each, ScrambleKernels,
                         testing::Values(ScrambleKernelKind::Portable, ScrambleKernelKind::Sse2,
                                         ScrambleKernelKind::Avx2),
                         kernelName);

}  // namespace
}  // namespace qel
