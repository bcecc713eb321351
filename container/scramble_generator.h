#pragma once

#include <array>
#include <cstdint>

namespace qel {

// The seeded subtractive generator (lags 24 and 55, modulus 10^9) whose byte stream
// scrambles a container file's body. The same seed always gives the same stream, so
// scrambling and unscrambling are one operation; files depend on it bit for bit.
struct ScrambleGenerator {
  static constexpr std::int32_t kModulus = 1'000'000'000;
  static constexpr int kLength = 55;

  std::int32_t index = kLength;                   // entry used last, 1 to 55
  std::array<std::int32_t, kLength + 1> table{};  // table[0] takes no part

  // Seeds are clamped to 0 .. 10^9; a header word is taken as signed.
  void start(std::int32_t seed);
  // One regeneration pass over the 55 live entries.
  void refill();
  std::uint8_t nextByte();
};

}  // namespace qel
