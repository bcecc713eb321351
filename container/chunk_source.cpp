#include "container/chunk_source.h"

#include <algorithm>
#include <cstring>

namespace qel {

ChunkSource::ChunkSource(platform::FileReader& file, std::uint64_t length, std::size_t pieceSize)
    : file_(file),
      unread_(length),
      piece_(static_cast<std::size_t>(std::min<std::uint64_t>(length, pieceSize))) {}

bool ChunkSource::refill() {
  if (used_ < filled_) return true;
  if (unread_ == 0 || readFailed_) return false;
  const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(unread_, piece_.size()));
  for (filled_ = 0; filled_ < count;) {
    const auto got = file_.read(std::span(piece_).subspan(filled_, count - filled_));
    // An error, or a file that shrank since its length was taken.
    if (!got || *got == 0) {
      readFailed_ = true;
      filled_ = used_ = 0;
      return false;
    }
    filled_ += *got;
  }
  used_ = 0;
  unread_ -= count;
  if (stream_) stream_->apply(std::span(piece_).first(filled_));
  return true;
}

std::span<const std::uint8_t> ChunkSource::peek(std::size_t count) {
  refill();
  return std::span(piece_).subspan(used_, std::min(count, filled_ - used_));
}

void ChunkSource::unscrambleFromHere(std::int32_t seed) {
  stream_.emplace(seed);
  stream_->apply(std::span(piece_).subspan(used_, filled_ - used_));
}

bool ChunkSource::take(std::span<std::uint8_t> into) {
  if (into.size() > left()) return false;
  while (!into.empty()) {
    if (!refill()) return false;
    const std::size_t count = std::min(into.size(), filled_ - used_);
    std::memcpy(into.data(), piece_.data() + used_, count);
    used_ += count;
    into = into.subspan(count);
  }
  return true;
}

bool ChunkSource::skip(std::uint64_t count) {
  if (count > left()) return false;
  while (count > 0) {
    if (!refill()) return false;
    const auto step = static_cast<std::size_t>(std::min<std::uint64_t>(count, filled_ - used_));
    used_ += step;
    count -= step;
  }
  return true;
}

}  // namespace qel
