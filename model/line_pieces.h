#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "base/result.h"
#include "container/container_format.h"

namespace qel {

// OBJ and MTL files are read in pieces of at most this many bytes, up to and including a
// line feed, as a 1023-byte line buffer takes them; a longer line arrives in several
// pieces and each piece counts as a line of its own.
inline constexpr std::size_t kLinePieceSize = 1022;

inline constexpr std::size_t kTokenCapacity = 32;

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

// Called with the tokens of each piece and the number of the line it belongs to
// (counting from 1); answers false to stop reading.
using StatementHandler = std::function<bool(const TokenTable& tokens, std::uint32_t line)>;

// No OBJ or MTL file is read past this many bytes: a name in a model file can point at a
// file without end. A container holds less, so no model worth taking is longer.
inline constexpr std::uint64_t kLongestModelFile = kContainerFileLimit;

// Answered by readLinePieces for a file longer than kLongestModelFile.
inline constexpr Result kFileTooLong = static_cast<Result>(0x80070018u);  // ERROR_BAD_LENGTH

// Reads the file piece by piece. Pieces that begin with "#" and pieces without a token
// are skipped. Answers kFailure when the file cannot be opened, cannot be read to its
// end, or the handler stopped the reading, and kFileTooLong, without reading, for a file
// whose length is beyond kLongestModelFile, or once that many bytes were read of a file
// that did not tell its length.
Result readLinePieces(std::u16string_view path, const StatementHandler& handler);

}  // namespace qel
