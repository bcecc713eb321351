#include "container/scramble_kernels.h"

#include <cstring>
#include <initializer_list>

#if defined(__GNUC__) && (defined(__x86_64__) || (defined(__i386__) && defined(__SSE2__)))
#define QEL_SCRAMBLE_X86 1
#include <immintrin.h>
#endif

namespace qel {
namespace {

constexpr std::size_t kLongLag = kScrambleHistory;
constexpr std::size_t kShortLag = 24;
constexpr std::size_t kStep = kScrambleKernelStep;

void scramblePortable(std::uint8_t* history, std::uint8_t* bytes, std::size_t count) {
  std::uint8_t y[kLongLag + kStep];
  std::memcpy(y, history, kLongLag);
  for (std::size_t n = 0; n < count; n += kStep) {
    for (std::size_t i = 0; i < kStep; ++i) {
      y[kLongLag + i] = static_cast<std::uint8_t>(y[i] - y[kLongLag - kShortLag + i]);
      bytes[n + i] ^= y[kLongLag + i];
    }
    std::memmove(y, y + kStep, kLongLag);
  }
  std::memcpy(history, y, kLongLag);
}

#ifdef QEL_SCRAMBLE_X86

// The vector kernels keep the last 64 stream bytes in four registers, y[n-64 .. n-1], and
// make 16 bytes a step from two windows of them: y[n-55 ..] and y[n-24 ..]. The register
// image in memory has 9 unused bytes in front of the 55 of the history.
constexpr std::size_t kUnused = 64 - kLongLag;

struct StreamRegisters {
  __m128i r[4];
};

StreamRegisters loadRegisters(const std::uint8_t* history) {
  alignas(16) std::uint8_t image[64] = {};
  std::memcpy(image + kUnused, history, kLongLag);
  StreamRegisters s;
  for (int k = 0; k < 4; ++k) s.r[k] = _mm_load_si128(reinterpret_cast<const __m128i*>(image) + k);
  return s;
}

void storeRegisters(const StreamRegisters& s, std::uint8_t* history) {
  alignas(16) std::uint8_t image[64];
  for (int k = 0; k < 4; ++k) _mm_store_si128(reinterpret_cast<__m128i*>(image) + k, s.r[k]);
  std::memcpy(history, image + kUnused, kLongLag);
}

// Bytes shift .. shift + 15 of the 32 bytes high:low, without SSSE3's palignr.
template <int shift>
__m128i bytesFrom(__m128i high, __m128i low) {
  return _mm_or_si128(_mm_srli_si128(low, shift), _mm_slli_si128(high, 16 - shift));
}

void scrambleSse2(std::uint8_t* history, std::uint8_t* bytes, std::size_t count) {
  StreamRegisters s = loadRegisters(history);
  auto& [r0, r1, r2, r3] = s.r;
  for (std::size_t n = 0; n < count; n += 16) {
    const __m128i next = _mm_sub_epi8(bytesFrom<kUnused>(r1, r0), bytesFrom<8>(r3, r2));
    auto* out = reinterpret_cast<__m128i*>(bytes + n);
    _mm_storeu_si128(out, _mm_xor_si128(_mm_loadu_si128(out), next));
    r0 = r1;
    r1 = r2;
    r2 = r3;
    r3 = next;
  }
  storeRegisters(s, history);
}

// Each 16 bytes depend on the 16 before them (the short lag is 24), so the stream comes
// 16 bytes a step even here; the wider registers carry the data.
__attribute__((target("avx2"))) void scrambleAvx2(std::uint8_t* history, std::uint8_t* bytes,
                                                  std::size_t count) {
  StreamRegisters s = loadRegisters(history);
  auto& [r0, r1, r2, r3] = s.r;
  for (std::size_t n = 0; n < count; n += 32) {
    const __m128i first =
        _mm_sub_epi8(_mm_alignr_epi8(r1, r0, kUnused), _mm_alignr_epi8(r3, r2, 8));
    const __m128i second =
        _mm_sub_epi8(_mm_alignr_epi8(r2, r1, kUnused), _mm_alignr_epi8(first, r3, 8));
    auto* out = reinterpret_cast<__m256i*>(bytes + n);
    _mm256_storeu_si256(out,
                        _mm256_xor_si256(_mm256_loadu_si256(out), _mm256_set_m128i(second, first)));
    r0 = r2;
    r1 = r3;
    r2 = first;
    r3 = second;
  }
  storeRegisters(s, history);
}

bool processorHasAvx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}

#endif

}  // namespace

ScrambleKernel scrambleKernel(ScrambleKernelKind kind) {
  switch (kind) {
    case ScrambleKernelKind::Portable:
      return scramblePortable;
#ifdef QEL_SCRAMBLE_X86
    case ScrambleKernelKind::Sse2:
      return scrambleSse2;
    case ScrambleKernelKind::Avx2:
      return processorHasAvx2() ? scrambleAvx2 : nullptr;
#endif
    default:
      return nullptr;
  }
}

ScrambleKernel fastestScrambleKernel() {
  static const ScrambleKernel fastest = [] {
    for (auto kind : {ScrambleKernelKind::Avx2, ScrambleKernelKind::Sse2}) {
      if (ScrambleKernel kernel = scrambleKernel(kind)) return kernel;
    }
    return scramblePortable;
  }();
  return fastest;
}

}  // namespace qel
