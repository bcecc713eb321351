#include "model/line_pieces.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "model/model_file_lookup.h"

namespace qel {
namespace {

bool isSeparator(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == 0x1E || c == ',';
}

bool endsToken(unsigned char c) {
  return c <= 0x20 || c == ',';
}

constexpr std::size_t kReadChunk = 64 * 1024;

}  // namespace

TokenTable tokenizeLine(std::span<char> piece) {
  TokenTable table;
  const std::size_t size = piece.size();
  std::size_t at = 0;
  while (at < size && piece[at] != 0 && table.count < kTokenCapacity) {
    const auto c = static_cast<unsigned char>(piece[at]);
    if (c == '\n') break;
    if (isSeparator(c)) {
      ++at;
      continue;
    }
    const std::size_t start = at;
    std::size_t cut = 0;  // a 0 taken in as the second byte of a character ends the C string
    // Branches rather than a computed step: they let the processor run ahead.
    while (at < size) {
      const auto byte = static_cast<unsigned char>(piece[at]);
      if (byte < 0x80) {
        if (endsToken(byte)) break;
        ++at;
      } else {
        if (at + 1 < size && piece[at + 1] == 0 && cut == 0) cut = at + 1;
        at += 2;
      }
    }
    at = std::min(at, size);
    table.tokens[table.count++] = {piece.data() + start, (cut ? cut : at) - start};
    if (at == size) break;
    const char end = piece[at];
    piece[at] = 0;
    if (end == '\n' || end == 0) break;
    ++at;
  }
  return table;
}

Result readLinePieces(std::u16string_view path, const StatementHandler& handler) {
  auto file = openModelFile(path);
  if (!file) return kFailure;

  std::vector<std::uint8_t> chunk(kReadChunk);
  std::size_t chunkPos = 0;
  std::size_t chunkEnd = 0;
  std::array<char, kLinePieceSize + 1> piece;
  std::uint32_t line = 1;

  for (;;) {
    std::size_t length = 0;
    bool endsLine = false;
    while (length < kLinePieceSize && !endsLine) {
      if (chunkPos == chunkEnd) {
        const auto got = file->read(chunk);
        if (!got) return kFailure;
        if (*got == 0) break;
        chunkPos = 0;
        chunkEnd = *got;
      }
      const std::size_t want = std::min(kLinePieceSize - length, chunkEnd - chunkPos);
      const std::uint8_t* from = chunk.data() + chunkPos;
      const void* feed = std::memchr(from, '\n', want);
      const std::size_t take =
          feed ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(feed) - from) + 1 : want;
      std::memcpy(piece.data() + length, from, take);
      length += take;
      chunkPos += take;
      endsLine = feed != nullptr;
    }
    if (length == 0) return kSuccess;
    piece[length] = 0;

    if (piece[0] != '#') {
      const TokenTable tokens = tokenizeLine(std::span(piece.data(), length));
      if (tokens.has(0) && !handler(tokens, line)) return kFailure;
    }
    if (endsLine) ++line;
  }
}

}  // namespace qel
