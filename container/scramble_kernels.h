#pragma once

#include <cstddef>
#include <cstdint>

namespace qel {

// The generator's entries, read as one sequence, follow x[n] = (x[n-55] - x[n-24]) mod 10^9.
// 10^9 is a multiple of 256, so their low bytes, the stream, follow the same recurrence
// modulo 256 on their own: y[n] = y[n-55] - y[n-24] in byte arithmetic.
//
// A kernel combines bytes[0 .. count) with the next count bytes of the stream. history
// holds the last kScrambleHistory stream bytes, oldest first, and is brought forward.
// count is a multiple of kScrambleKernelStep.
using ScrambleKernel = void (*)(std::uint8_t* history, std::uint8_t* bytes, std::size_t count);

inline constexpr std::size_t kScrambleHistory = 55;
inline constexpr std::size_t kScrambleKernelStep = 32;

enum class ScrambleKernelKind { Portable, Sse2, Avx2 };

// The kernel of that kind, or nothing when this build or this processor cannot run it.
ScrambleKernel scrambleKernel(ScrambleKernelKind kind);

// The fastest kernel that this processor runs.
ScrambleKernel fastestScrambleKernel();

}  // namespace qel
