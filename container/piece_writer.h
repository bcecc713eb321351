#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "base/bytes.h"
#include "container/scramble_stream.h"

namespace qel {

// Lays a file out front to back in pieces of a fixed size, scrambling every byte after a
// chosen point, and hands each piece to a sink; the file is never held whole.
class PieceWriter {
 public:
  // Takes one piece; false when it could not be written.
  using Sink = std::function<bool(std::span<const std::uint8_t>)>;

  PieceWriter(std::size_t pieceSize, Sink sink);

  // Every byte put from now on is combined with the stream of seed.
  void scrambleFromHere(std::int32_t seed);

  void putBytes(std::span<const std::uint8_t> bytes);
  void put16(std::uint16_t value);
  void put32(std::uint32_t value);
  void put64(std::uint64_t value);

  // Hands over the last piece; false when the sink refused any piece.
  bool finish();

 private:
  void flush();

  Bytes piece_;
  std::size_t used_ = 0;
  std::size_t scrambledFrom_ = 0;  // within the piece
  std::optional<ScrambleStream> stream_;
  Sink sink_;
  bool failed_ = false;
};

}  // namespace qel
