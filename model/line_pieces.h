#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "base/progress.h"
#include "base/result.h"
#include "container/container_format.h"
#include "model/plain_number.h"
#include "platform/file_system.h"

namespace qel {

// OBJ and MTL files are read in pieces of at most this many bytes, up to and including a
// line feed, as a 1023-byte line buffer takes them; a longer line arrives in several
// pieces and each piece counts as a line of its own.
inline constexpr std::size_t kLinePieceSize = 1022;

inline constexpr std::size_t kTokenCapacity = 32;

namespace line_bytes {

// Bytes between tokens.
inline bool isSeparator(unsigned char c) {
  constexpr std::uint64_t kSeparators = (std::uint64_t{1} << ' ') | (std::uint64_t{1} << '\t') |
                                        (std::uint64_t{1} << '\r') | (std::uint64_t{1} << 0x1E) |
                                        (std::uint64_t{1} << ',');
  return c < 64 && ((kSeparators >> c) & 1) != 0;
}

// Bytes that end a token of plain bytes.
inline bool endsToken(unsigned char c) {
  return c <= 0x20 || c == ',';
}

// Bytes that a token runs through one at a time: above 0x20, below 0x80, not a comma.
inline bool isPlainTokenByte(unsigned char c) {
  return c < 0x80 && !endsToken(c);
}

}  // namespace line_bytes

// The tokens of one piece, pointing into the piece. Tokens past count are absent; an
// absent token reads as empty. Further tokens of a piece with more than 32 are dropped.
struct TokenTable {
  struct Token {
    const char* start;
    std::size_t size;
  };
  // Only the first count entries are set: a table is made for every piece, and clearing
  // all 32 would cost more than splitting the piece.
  std::array<Token, kTokenCapacity> tokens;
  std::size_t count = 0;

  bool has(std::size_t index) const { return index < count; }
  std::string_view operator[](std::size_t index) const {
    return index < count ? std::string_view(tokens[index].start, tokens[index].size)
                         : std::string_view();
  }
  // Byte at of a token; 0 past its end, as at a terminator.
  char byteAt(std::size_t index, std::size_t at) const {
    const std::string_view token = (*this)[index];
    return at < token.size() ? token[at] : '\0';
  }
};

// Splits a piece into tokens, terminating each in place. Blanks, tabs, carriage
// returns, 0x1E and commas separate tokens; a line feed or a 0 ends the piece. A byte of
// 0x80 or above takes the next byte into its token whatever that is (the two bytes of a
// code page 932 character), but never one beyond the piece. A token's view stops at a 0
// inside it, as the C string it is.
TokenTable tokenizeLine(std::span<char> piece);

// No OBJ or MTL file is read past this many bytes: a name in a model file can point at a
// file without end. A container holds less, so no model worth taking is longer.
inline constexpr std::uint64_t kLongestModelFile = kContainerFileLimit;

// Answered by readLinePieces for a file longer than kLongestModelFile.
inline constexpr Result kFileTooLong = static_cast<Result>(0x80070018u);  // ERROR_BAD_LENGTH
// Answered by readLinePieces for a file that begins with a UTF-16 byte order mark: its
// text is two bytes a character, which no reader of these files can take.
inline constexpr Result kUtf16Text =
    static_cast<Result>(0x80070459u);  // ERROR_NO_UNICODE_TRANSLATION

// The pieces of one file, one after another; pieces that begin with "#" and pieces
// without a token are skipped. A UTF-8 byte order mark at the start of the file reads as
// blanks, so that it does not hide the first statement (Notepad writes one). A piece's
// tokens are those tokenizeLine gives: taken one at a time with nextToken(), which leaves
// the piece as it is, or all at once with tokens(), which terminates them in place
// (nextToken() has nothing to give after it). progress hears of the bytes read at each
// refill of the read buffer, and may stop the reading there.
class LinePieces {
 public:
  explicit LinePieces(std::u16string_view path, Progress& progress = noProgress());
  ~LinePieces();

  // Moves to the next piece; false at the end of the file and when reading failed. Inline,
  // as it runs once for every line.
  bool next();
  // The number of the line the piece belongs to, counting from 1.
  std::uint32_t line() const { return line_; }
  // The piece's first token.
  std::string_view keyword() const { return {keyword_.start, keyword_.size}; }
  // The token after the last one taken (the keyword is taken), or nothing once there is
  // none.
  std::optional<std::string_view> nextToken() {
    TokenTable::Token token;
    if (!takeToken(token)) return std::nullopt;
    return std::string_view(token.start, token.size);
  }
  // The same past the kTokenCapacity tokens that the table holds, up to the piece's end.
  std::optional<std::string_view> nextTokenBeyondTable() {
    TokenTable::Token token;
    if (!takeToken(token, SIZE_MAX)) return std::nullopt;
    return std::string_view(token.start, token.size);
  }
  // Whether the piece's line goes on in the next piece: it was longer than a piece.
  bool lineGoesOn() const { return !feedBehind_ && (pos_ < end_ || !atEnd_); }
  // Moves to the next piece of a line that goes on, whose tokens are then taken from its
  // first byte; false when there is none. A token cut where the piece ended goes on in it.
  bool continueLine();
  // Whether the piece ends inside a token, which then goes on in the line's next piece.
  bool endsInToken() const {
    return lineGoesOn() && !line_bytes::endsToken(static_cast<unsigned char>(piece_.back()));
  }
  // Whether the piece begins inside a token: with a byte that no separator stands before.
  bool beginsInToken() const {
    return !piece_.empty() && !line_bytes::endsToken(static_cast<unsigned char>(piece_[0]));
  }
  // The next token read as readDouble reads it, and taken; 0 when there is none. Inline,
  // so that a statement's numbers stay in registers.
  double nextNumber();
  // Takes the next token when read(start, end), given the bytes from where it starts to
  // the piece's end, reads it whole: answers its length, 0 when the text there is not of
  // its form. Inline, for a reader of many tokens of one form; read may look up to
  // kNumberSlack bytes past end. false, taking nothing, when the token is not read whole.
  template <typename Read>
  bool takeRead(Read&& read);
  const TokenTable& tokens();

  // kSuccess once the whole file was read; kFailure when it could not be opened or read to
  // its end; kFileTooLong, without reading, for a file whose length is beyond
  // kLongestModelFile, or once that many bytes were read of a file that did not tell its
  // length; kUtf16Text, with no piece, for a file that begins with a UTF-16 mark; kCancelled
  // once progress stopped the reading.
  Result result() const { return result_; }

 private:
  bool fill();
  // The buffer's bytes up to and including a line feed, at most kLinePieceSize of them.
  std::span<char> cutPiece() {
    char* const piece = buffer_.get() + pos_;
    const std::size_t want = std::min(kLinePieceSize, end_ - pos_);
    const void* const feed = std::memchr(piece, '\n', want);
    const std::size_t length =
        feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - piece) + 1 : want;
    pos_ += length;
    feedBehind_ = feed != nullptr;
    return {piece, length};
  }
  bool takeByteOrderMark();
  bool takeToken(TokenTable::Token& token, std::size_t capacity = kTokenCapacity);
  double nextOtherNumber();

  std::unique_ptr<platform::FileReader> file_;
  Progress& progress_;
  std::uint64_t length_ = 0;  // as the file tells it; 0 when it does not
  std::unique_ptr<char[]> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  std::uint64_t readSoFar_ = 0;
  std::uint32_t line_ = 1;
  bool feedBehind_ = false;  // the piece before ended with a line feed
  Result result_ = kSuccess;

  std::span<char> piece_;
  char* cursor_ = nullptr;  // where the next token is looked for; nullptr after the last
  std::size_t taken_ = 0;
  TokenTable::Token keyword_{};
  TokenTable tokens_;
  bool tableMade_ = false;
};

inline bool LinePieces::next() {
  while (file_) {
    if (feedBehind_) ++line_;
    if (end_ - pos_ < kLinePieceSize && !atEnd_ && !fill()) break;
    if (pos_ == end_) break;
    const std::span<char> cut = cutPiece();
    char* const piece = cut.data();
    const std::size_t length = cut.size();
    if (piece[0] == '#') continue;
    piece_ = std::span(piece, length);
    cursor_ = piece;
    taken_ = 0;
    tableMade_ = false;
    // The keywords of the lists are one or two bytes and a blank: no scan for them.
    const std::size_t keywordSize = piece[1] == ' ' ? 1 : piece[2] == ' ' ? 2 : 0;
    if (keywordSize > 0 && keywordSize < length && line_bytes::isPlainTokenByte(piece[0]) &&
        line_bytes::isPlainTokenByte(piece[keywordSize - 1])) {
      keyword_ = {piece, keywordSize};
      cursor_ = piece + keywordSize + 1;
      taken_ = 1;
      return true;
    }
    if (takeToken(keyword_)) return true;
  }
  file_.reset();
  return false;
}

template <typename Read>
bool LinePieces::takeRead(Read&& read) {
  if (!cursor_ || taken_ == kTokenCapacity) return false;
  char* const end = piece_.data() + piece_.size();
  char* at = cursor_;
  while (at != end && line_bytes::isSeparator(static_cast<unsigned char>(*at))) ++at;
  const std::size_t length = read(static_cast<const char*>(at), static_cast<const char*>(end));
  char* const stop = at + length;
  const auto after = static_cast<unsigned char>(*stop);  // in the slack at the end
  if (length == 0 || (stop != end && !line_bytes::endsToken(after))) return false;
  ++taken_;
  cursor_ = stop == end || after == '\n' || after == 0 ? nullptr : stop + 1;
  return true;
}

inline double LinePieces::nextNumber() {
  double value = 0.0;
  const auto plain = [&value](const char* at, const char* end) {
    const PlainNumber number = readPlainNumber(at, end);
    value = number.value;
    return number.length;
  };
  return takeRead(plain) ? value : nextOtherNumber();
}

// Reads the file piece by piece, calling handler(pieces) for each piece that LinePieces
// yields; the handler answers false to stop reading. Answers kFailure when the handler
// stopped the reading, else what LinePieces::result() says.
template <typename Handler>
Result readLinePieces(std::u16string_view path, Handler&& handler,
                      Progress& progress = noProgress()) {
  LinePieces pieces(path, progress);
  while (pieces.next()) {
    if (!handler(pieces)) return kFailure;
  }
  return pieces.result();
}

}  // namespace qel
