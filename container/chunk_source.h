#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "base/bytes.h"
#include "container/scramble_stream.h"
#include "platform/file_system.h"

namespace qel {

// The bytes of a file of known length, read front to back in pieces and unscrambled from a
// chosen point on; never more than the length is handed out, so a chunk sequence is
// walked without holding the whole file.
class ChunkSource {
 public:
  ChunkSource(platform::FileReader& file, std::uint64_t length, std::size_t pieceSize);

  // Up to count bytes ahead, without moving on.
  std::span<const std::uint8_t> peek(std::size_t count);
  // Every byte taken from now on is combined with the stream of seed.
  void unscrambleFromHere(std::int32_t seed);

  // Fills into with the next bytes; false when fewer are left or they cannot be read.
  bool take(std::span<std::uint8_t> into);
  bool skip(std::uint64_t count);
  // Bytes not yet taken: data blocks larger than this are refused before they are made.
  std::uint64_t left() const { return unread_ + (filled_ - used_); }
  // Whether the file failed to deliver bytes that its length promised.
  bool readFailed() const { return readFailed_; }

 private:
  // Reads the next piece once the current one is used up; false when none is left.
  bool refill();

  platform::FileReader& file_;
  std::uint64_t unread_;
  Bytes piece_;
  std::size_t filled_ = 0;
  std::size_t used_ = 0;
  std::optional<ScrambleStream> stream_;
  bool readFailed_ = false;
};

}  // namespace qel
