#include "model/line_pieces.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "model/model_file_lookup.h"

namespace qel {
namespace {

bool isSeparator(unsigned char c) {
  constexpr std::uint64_t kSeparators = (std::uint64_t{1} << ' ') | (std::uint64_t{1} << '\t') |
                                        (std::uint64_t{1} << '\r') | (std::uint64_t{1} << 0x1E) |
                                        (std::uint64_t{1} << ',');
  return c < 64 && ((kSeparators >> c) & 1) != 0;
}

bool endsToken(unsigned char c) {
  return c <= 0x20 || c == ',';
}

// Bytes that a token runs through one at a time: above 0x20, below 0x80, not a comma.
bool isPlainTokenByte(unsigned char c) {
  return c < 0x80 && !endsToken(c);
}

// The high bit of every byte of word that is not a plain token byte.
std::uint64_t nonPlainBytes(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHigh = 0x80 * kOnes;
  const std::uint64_t low = word & ~kHigh;
  // Neither addition carries out of its byte: low bytes are at most 0x7F.
  const std::uint64_t control = ~(low + 0x5F * kOnes);                 // below 0x21
  const std::uint64_t comma = ~((low ^ 0x2C * kOnes) + 0x7F * kOnes);  // equal to 0x2C
  return (word | control | comma) & kHigh;
}

// The first byte at or after at that is not a plain token byte, or end. Tokens are
// looked at eight bytes at a time where the piece has that many left.
char* skipPlainBytes(char* at, char* const end) {
  if constexpr (std::endian::native == std::endian::little) {
    for (; end - at >= 8; at += 8) {
      std::uint64_t word;
      std::memcpy(&word, at, 8);
      if (const std::uint64_t stops = nonPlainBytes(word)) return at + std::countr_zero(stops) / 8;
    }
  }
  while (at < end && isPlainTokenByte(static_cast<unsigned char>(*at))) ++at;
  return at;
}

constexpr std::size_t kReadChunk = 64 * 1024;

}  // namespace

TokenTable tokenizeLine(std::span<char> piece) {
  TokenTable table;
  char* at = piece.data();
  char* const end = at + piece.size();
  std::size_t count = 0;
  while (at < end && count < kTokenCapacity) {
    const auto c = static_cast<unsigned char>(*at);
    if (isSeparator(c)) {
      ++at;
      continue;
    }
    if (c == '\n' || c == 0) break;
    char* const start = at;
    const char* cut = nullptr;  // a 0 taken in as the second byte of a character ends the C string
    for (;;) {
      at = skipPlainBytes(at, end);
      if (at == end || static_cast<unsigned char>(*at) < 0x80) break;
      // The first byte of a two-byte character takes the next one, whatever it is.
      if (end - at < 2) {
        at = end;
        break;
      }
      if (at[1] == 0 && cut == nullptr) cut = at + 1;
      at += 2;
    }
    table.tokens[count++] = {start, static_cast<std::size_t>((cut ? cut : at) - start)};
    if (at == end) break;
    const char stop = *at;
    *at = 0;
    if (stop == '\n' || stop == 0) break;
    ++at;
  }
  table.count = count;
  return table;
}

Result readLinePieces(std::u16string_view path, const StatementHandler& handler) {
  auto file = openModelFile(path);
  if (!file) return kFailure;
  if (const auto length = file->length(); length && *length > kLongestModelFile) {
    return kFileTooLong;
  }

  // Pieces are split and handed over where they lie in the read buffer; only the
  // unfinished piece at its end moves to the front before the buffer is filled again.
  // Only the bytes read, from pos to end, are ever looked at, so the buffer starts
  // uncleared: clearing it cost more than reading a small file.
  const auto storage = std::make_unique_for_overwrite<std::uint8_t[]>(kReadChunk);
  const std::span<std::uint8_t> buffer(storage.get(), kReadChunk);
  std::size_t pos = 0;
  std::size_t end = 0;
  bool atEnd = false;
  std::uint64_t readSoFar = 0;
  std::uint32_t line = 1;

  for (;;) {
    if (end - pos < kLinePieceSize && !atEnd) {
      std::memmove(buffer.data(), buffer.data() + pos, end - pos);
      end -= pos;
      pos = 0;
      while (end < buffer.size() && !atEnd) {
        const auto got = file->read(buffer.subspan(end));
        if (!got) return kFailure;
        atEnd = *got == 0;
        end += *got;
        readSoFar += *got;
        if (readSoFar > kLongestModelFile) return kFileTooLong;
      }
    }
    if (pos == end) return kSuccess;

    char* const piece = reinterpret_cast<char*>(buffer.data() + pos);
    const std::size_t want = std::min(kLinePieceSize, end - pos);
    const void* const feed = std::memchr(piece, '\n', want);
    const std::size_t length =
        feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - piece) + 1 : want;
    pos += length;

    if (piece[0] != '#') {
      const TokenTable tokens = tokenizeLine(std::span(piece, length));
      if (tokens.has(0) && !handler(tokens, line)) return kFailure;
    }
    if (feed) ++line;
  }
}

}  // namespace qel
