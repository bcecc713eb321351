#include "model/line_pieces.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "model/lenient_numbers.h"
#include "model/model_file_lookup.h"

namespace qel {
namespace {

using line_bytes::endsToken;
using line_bytes::isPlainTokenByte;
using line_bytes::isSeparator;

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

// Skips separators from at to the next token of the piece that ends at end and takes it.
// Answers false, with at where the tokens end, when there is none. Otherwise at points at
// the byte that ended the token, or at end.
bool scanToken(char*& at, char* const end, TokenTable::Token& token) {
  for (;; ++at) {
    if (at == end) return false;
    const auto c = static_cast<unsigned char>(*at);
    if (c == '\n' || c == 0) return false;
    if (!isSeparator(c)) break;
  }
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
  token = {start, static_cast<std::size_t>((cut ? cut : at) - start)};
  return true;
}

// After a token that scanToken took: whether more can follow, with at past the byte that
// ended it.
bool passStop(char*& at, const char* end) {
  if (at == end || *at == '\n' || *at == 0) return false;
  ++at;
  return true;
}

constexpr std::size_t kReadChunk = 256 * 1024;

void tokenize(std::span<char> piece, TokenTable& table) {
  char* at = piece.data();
  char* const end = at + piece.size();
  std::size_t count = 0;
  while (count < kTokenCapacity && scanToken(at, end, table.tokens[count])) {
    ++count;
    char* const stop = at;
    const bool more = passStop(at, end);
    if (stop != end) *stop = 0;
    if (!more) break;
  }
  table.count = count;
}

}  // namespace

TokenTable tokenizeLine(std::span<char> piece) {
  TokenTable table;
  tokenize(piece, table);
  return table;
}

LinePieces::LinePieces(std::u16string_view path, Progress& progress)
    : file_(openModelFile(path)), progress_(progress) {
  if (!file_) {
    result_ = kFailure;
    return;
  }
  const auto length = file_->length();
  if (length && *length > kLongestModelFile) {
    result_ = kFileTooLong;
    file_.reset();
    return;
  }
  length_ = length.value_or(0);
  // Uncleared: only the bytes read are ever looked at, and those that a number at the end
  // of the bytes read makes readPlainNumber read, which fill() clears.
  buffer_ = std::make_unique_for_overwrite<char[]>(kReadChunk + kNumberSlack);
}

LinePieces::~LinePieces() = default;

// Pieces are split and handed over where they lie in the read buffer; only the unfinished
// piece at its end moves to the front before the buffer is filled again.
bool LinePieces::fill() {
  const bool first = readSoFar_ == 0;
  std::memmove(buffer_.get(), buffer_.get() + pos_, end_ - pos_);
  end_ -= pos_;
  pos_ = 0;
  while (end_ < kReadChunk && !atEnd_) {
    const auto got = file_->read(
        std::span(reinterpret_cast<std::uint8_t*>(buffer_.get()) + end_, kReadChunk - end_));
    if (!got) {
      result_ = kFailure;
      return false;
    }
    atEnd_ = *got == 0;
    end_ += *got;
    readSoFar_ += *got;
    if (readSoFar_ > kLongestModelFile) {
      result_ = kFileTooLong;
      return false;
    }
  }
  std::memset(buffer_.get() + end_, 0, kNumberSlack);
  if (!progress_.advance(readSoFar_, std::max(length_, readSoFar_))) {
    result_ = kCancelled;
    return false;
  }
  return !first || takeByteOrderMark();
}

// On the first fill: blanks over a UTF-8 mark, the end of reading at a UTF-16 one.
bool LinePieces::takeByteOrderMark() {
  const auto startsWith = [this](std::string_view mark) {
    return std::string_view(buffer_.get(), end_).starts_with(mark);
  };
  if (startsWith("\xEF\xBB\xBF")) std::memset(buffer_.get(), ' ', 3);
  if (!startsWith("\xFF\xFE") && !startsWith("\xFE\xFF")) return true;
  result_ = kUtf16Text;
  return false;
}

bool LinePieces::takeToken(TokenTable::Token& token, std::size_t capacity) {
  char* const end = piece_.data() + piece_.size();
  if (!cursor_ || taken_ >= capacity || !scanToken(cursor_, end, token)) return false;
  ++taken_;
  if (!passStop(cursor_, end)) cursor_ = nullptr;
  return true;
}

[[gnu::noinline]] double LinePieces::nextOtherNumber() {
  TokenTable::Token token;
  return takeToken(token) ? readDouble({token.start, token.size}) : 0.0;
}

bool LinePieces::continueLine() {
  if (!file_ || !lineGoesOn()) return false;
  if (end_ - pos_ < kLinePieceSize && !atEnd_ && !fill()) {
    file_.reset();  // the reading failed: no piece follows, and result() says why
    return false;
  }
  if (pos_ == end_) return false;
  piece_ = cutPiece();
  cursor_ = piece_.data();
  taken_ = 0;
  tableMade_ = false;
  return true;
}

const TokenTable& LinePieces::tokens() {
  if (!tableMade_) tokenize(piece_, tokens_);
  tableMade_ = true;
  cursor_ = nullptr;
  return tokens_;
}

}  // namespace qel
