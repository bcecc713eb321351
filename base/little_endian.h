#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "base/bytes.h"

namespace qel {

// Little-endian numbers as container files store them. Readers take a pointer that the
// caller has checked to hold enough bytes.

inline std::uint16_t readLe16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t readLe32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

inline std::uint64_t readLe64(const std::uint8_t* p) {
  return std::uint64_t{readLe32(p)} | (std::uint64_t{readLe32(p + 4)} << 32);
}

// Fills a buffer, sized by the caller, with numbers and byte runs front to back.
class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(std::span<std::uint8_t> out) : out_(out) {}

  void put16(std::uint16_t v) {
    out_[at_++] = static_cast<std::uint8_t>(v);
    out_[at_++] = static_cast<std::uint8_t>(v >> 8);
  }
  void put32(std::uint32_t v) {
    put16(static_cast<std::uint16_t>(v));
    put16(static_cast<std::uint16_t>(v >> 16));
  }
  void put64(std::uint64_t v) {
    put32(static_cast<std::uint32_t>(v));
    put32(static_cast<std::uint32_t>(v >> 32));
  }
  void putBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return;
    std::memcpy(out_.data() + at_, bytes.data(), bytes.size());
    at_ += bytes.size();
  }
  std::size_t written() const { return at_; }

 private:
  std::span<std::uint8_t> out_;
  std::size_t at_ = 0;
};

}  // namespace qel
