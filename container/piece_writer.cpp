#include "container/piece_writer.h"

#include <algorithm>
#include <cstring>

#include "base/little_endian.h"

namespace qel {

PieceWriter::PieceWriter(std::size_t pieceSize, Sink sink)
    : piece_(std::max<std::size_t>(pieceSize, 1)), sink_(std::move(sink)) {}

void PieceWriter::scrambleFromHere(std::int32_t seed) {
  stream_.emplace(seed);
  scrambledFrom_ = used_;
}

void PieceWriter::putBytes(std::span<const std::uint8_t> bytes) {
  if (failed_) return;  // nothing more would be written
  while (!bytes.empty()) {
    if (used_ == piece_.size()) flush();
    const std::size_t count = std::min(bytes.size(), piece_.size() - used_);
    std::memcpy(piece_.data() + used_, bytes.data(), count);
    used_ += count;
    bytes = bytes.subspan(count);
  }
}

void PieceWriter::put16(std::uint16_t value) {
  std::uint8_t bytes[2];
  LittleEndianWriter(bytes).put16(value);
  putBytes(bytes);
}

void PieceWriter::put32(std::uint32_t value) {
  std::uint8_t bytes[4];
  LittleEndianWriter(bytes).put32(value);
  putBytes(bytes);
}

void PieceWriter::put64(std::uint64_t value) {
  std::uint8_t bytes[8];
  LittleEndianWriter(bytes).put64(value);
  putBytes(bytes);
}

void PieceWriter::flush() {
  const auto piece = std::span(piece_).first(used_);
  if (stream_) stream_->apply(piece.subspan(scrambledFrom_));
  if (!failed_ && !piece.empty()) failed_ = !sink_(piece);
  used_ = 0;
  scrambledFrom_ = 0;
}

bool PieceWriter::finish() {
  flush();
  return !failed_;
}

}  // namespace qel
