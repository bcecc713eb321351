#include "container/scramble_generator.h"

#include <algorithm>

namespace qel {
namespace {

// Both operands lie in 0 .. 10^9, so one conditional addition brings the difference back.
constexpr std::int32_t subtractModulo(std::int32_t a, std::int32_t b) {
  const std::int32_t d = a - b;
  return d + (ScrambleGenerator::kModulus & (d >> 31));
}

// Entries 1..24 take entries 32..55 of the previous pass; 25..48 take 1..24 and 49..55
// take 25..31 of this pass. Split this way each loop has no dependency inside it, so the
// compiler can vectorise it.
void refillTable(std::int32_t* t) {
  for (int i = 1; i <= 24; ++i) t[i] = subtractModulo(t[i], t[i + 31]);
  for (int i = 25; i <= 48; ++i) t[i] = subtractModulo(t[i], t[i - 24]);
  for (int i = 49; i <= 55; ++i) t[i] = subtractModulo(t[i], t[i - 24]);
}

}  // namespace

void ScrambleGenerator::start(std::int32_t seed) {
  seed = std::clamp(seed, 0, kModulus);
  table.fill(0);
  table[kLength] = seed;
  std::int32_t a = seed;
  std::int32_t b = 1;
  for (int i = 1; i < kLength; ++i) {
    const int k = (21 * i) % kLength;
    table[k] = b;
    const std::int32_t d = subtractModulo(a, b);
    a = b;
    b = d;
  }
  for (int pass = 0; pass < 3; ++pass) refill();
  index = kLength;
}

void ScrambleGenerator::refill() {
  refillTable(table.data());
}

std::uint8_t ScrambleGenerator::nextByte() {
  if (++index > kLength) {
    refill();
    index = 1;
  }
  return static_cast<std::uint8_t>(table[index] & 0xFF);
}

}  // namespace qel
