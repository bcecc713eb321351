#pragma once

#include <cstdint>
#include <span>

namespace qel::test {

// FNV-1a over bytes: pins a large output in one number.
inline std::uint64_t fnv1a(std::span<const std::uint8_t> bytes) {
  std::uint64_t hash = 0xCBF29CE484222325;
  for (const std::uint8_t byte : bytes) hash = (hash ^ byte) * 0x100000001B3;
  return hash;
}

}  // namespace qel::test
