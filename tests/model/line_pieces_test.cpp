#include "model/line_pieces.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using Tokens = std::vector<std::string>;

Tokens tokensIn(const TokenTable& table) {
  Tokens tokens;
  for (std::size_t i = 0; i < table.count; ++i) tokens.emplace_back(table[i]);
  return tokens;
}

Tokens tokensOf(std::string text) {
  return tokensIn(tokenizeLine(std::span(text.data(), text.size())));
}

TEST(TokenizeLine, SeparatesAtBlanksCommasAndLineEnds) {
  EXPECT_EQ(tokensOf("v 1,2,3\n"), (Tokens{"v", "1", "2", "3"}));
  EXPECT_EQ(tokensOf("v 1 2 3\r\n"), tokensOf("v 1 2 3\n"));
  EXPECT_EQ(tokensOf("\t f  1/2/3 \x1E 4\n"), (Tokens{"f", "1/2/3", "4"}));
  EXPECT_EQ(tokensOf("usemtl My Wood\n"), (Tokens{"usemtl", "My", "Wood"}));
  EXPECT_EQ(tokensOf("a\nb"), (Tokens{"a"}));
  EXPECT_TRUE(tokensOf("   \r\n").empty());
  EXPECT_TRUE(tokensOf("").empty());
}

TEST(TokenizeLine, AControlByteWhereATokenWouldBeginGivesAnEmptyToken) {
  EXPECT_EQ(tokensOf("a \x01 b"), (Tokens{"a", "", "b"}));
}

TEST(TokenizeLine, KeepsTwoByteCharactersWholeWhateverTheirSecondByte) {
  // 0x81 0x2C and 0x81 0x20 are characters whose second byte is a comma and a blank.
  EXPECT_EQ(tokensOf("newmtl \x81\x2C\x81\x20x y\n"), (Tokens{"newmtl", "\x81\x2C\x81\x20x", "y"}));
  EXPECT_EQ(tokensOf("map_Kd \x83\x65.png\r\n"), (Tokens{"map_Kd", "\x83\x65.png"}));
  // A 0 read from the file as a second byte ends the name, as a C string ends.
  EXPECT_EQ(tokensOf(std::string("a \x81\0b c", 8)), (Tokens{"a", "\x81", "c"}));
}

TEST(TokenizeLine, NeverReadsPastThePiece) {
  // A lead byte as the last byte of the piece: its partner would be the terminator.
  std::vector<char> piece = {'a', ' ', 'b', '\x81'};
  const TokenTable table = tokenizeLine(piece);
  ASSERT_EQ(table.count, 2u);
  EXPECT_EQ(table[1], "b\x81");
  EXPECT_EQ(table[1].data() + table[1].size(), piece.data() + piece.size());
}

TEST(TokenizeLine, KeepsOnlyThirtyTwoTokens) {
  std::string line;
  for (int i = 0; i < 40; ++i) line += std::to_string(i) + " ";
  const Tokens tokens = tokensOf(line);
  ASSERT_EQ(tokens.size(), kTokenCapacity);
  EXPECT_EQ(tokens.back(), "31");
  const TokenTable table = tokenizeLine(std::span(line.data(), line.size()));
  EXPECT_FALSE(table.has(32));
  EXPECT_EQ(table.byteAt(0, 5), '\0');
}

struct Statement {
  std::uint32_t line;
  Tokens tokens;
  bool operator==(const Statement&) const = default;
};

std::vector<Statement> statementsOf(const std::u16string& path, Result* result = nullptr) {
  std::vector<Statement> statements;
  const Result r = readLinePieces(path, [&](LinePieces& piece) {
    statements.push_back({piece.line(), tokensIn(piece.tokens())});
    return true;
  });
  if (result) *result = r;
  return statements;
}

TEST(ReadLinePieces, SkipsCommentsAndEmptyLinesButNotIndentedHashes) {
  test::TempFolder folder;
  const auto path = folder.writeText("a.obj", "# comment\n\n   \nv 1\r\n  # not skipped\r\nf 1");
  Result result = kFailure;
  EXPECT_EQ(
      statementsOf(path, &result),
      (std::vector<Statement>{{4, {"v", "1"}}, {5, {"#", "not", "skipped"}}, {6, {"f", "1"}}}));
  EXPECT_EQ(result, kSuccess);
}

TEST(ReadLinePieces, ReadsPastAUtf8MarkAndNothingOfUtf16Text) {
  test::TempFolder folder;
  Result result = kFailure;
  // The mark counts toward the first piece's 1022 bytes, as it always did.
  const std::string first = "\xEF\xBB\xBFv " + std::string(1017, 'x') + "yy\n";
  EXPECT_EQ(statementsOf(folder.writeText("marked.obj", first), &result),
            (std::vector<Statement>{{1, {"v", std::string(1017, 'x')}}, {1, {"yy"}}}));
  EXPECT_EQ(result, kSuccess);
  EXPECT_TRUE(statementsOf(folder.writeText("wide.obj", std::string("\xFF\xFEv\0 \0"
                                                                    "1\0",
                                                                    8)),
                           &result)
                  .empty());
  EXPECT_EQ(result, kUtf16Text);
}

TEST(ReadLinePieces, SplitsLongLinesIntoPiecesOf1022Bytes) {
  test::TempFolder folder;
  // The first piece ends inside the x run; the continuation begins with the rest of it.
  const std::string line = "g " + std::string(1020, 'x') + "yy z\nv 1\n";
  const auto statements = statementsOf(folder.writeText("long.obj", line));
  ASSERT_EQ(statements.size(), 3u);
  EXPECT_EQ(statements[0].tokens, (Tokens{"g", std::string(1020, 'x')}));
  EXPECT_EQ(statements[1], (Statement{1, {"yy", "z"}}));
  EXPECT_EQ(statements[2], (Statement{2, {"v", "1"}}));
}

TEST(ReadLinePieces, ALineOfExactly1022BytesWithItsFeedIsOnePiece) {
  test::TempFolder folder;
  const std::string line = "g " + std::string(1019, 'x') + "\n#c\n";
  const auto statements = statementsOf(folder.writeText("edge.obj", line));
  ASSERT_EQ(statements.size(), 1u);
  EXPECT_EQ(statements[0].tokens[1].size(), 1019u);
}

TEST(LinePieces, TakesTokensAndNumbersOneAtATimeAsTheTableHoldsThem) {
  test::TempFolder folder;
  // Plain numbers where a separator, a control byte or the piece ends them; others that
  // run on into their token; a number cut at the end of a long line's first piece.
  const std::string text = "v 1.5 -2,+.25\r\nvt 7x 1e2\x01 3 \x81\x34\nf 1/2 -0.000250\nvn " +
                           std::string(1012, ' ') + "123456789";
  std::vector<double> numbers;
  std::vector<Tokens> taken;
  std::vector<Tokens> tables;
  readLinePieces(folder.writeText("a.obj", text), [&](LinePieces& piece) {
    numbers.push_back(piece.nextNumber());
    numbers.push_back(piece.nextNumber());
    Tokens rest{std::string(piece.keyword())};
    while (const auto token = piece.nextToken()) rest.emplace_back(*token);
    taken.push_back(rest);
    tables.push_back(tokensIn(piece.tokens()));
    return true;
  });
  EXPECT_EQ(numbers,
            (std::vector<double>{1.5, -2.0, 7.0, 100.0, 1.0, -0.00025, 1234567.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(tables, (std::vector<Tokens>{{"v", "1.5", "-2", "+.25"},
                                         {"vt", "7x", "1e2", "3", "\x81\x34"},
                                         {"f", "1/2", "-0.000250"},
                                         {"vn", "1234567"},
                                         {"89"}}));
  EXPECT_EQ(taken,
            (std::vector<Tokens>{{"v", "+.25"}, {"vt", "3", "\x81\x34"}, {"f"}, {"vn"}, {"89"}}));
}

TEST(ReadLinePieces, RefusesMissingFilesAndStopsWhenTheHandlerSaysSo) {
  test::TempFolder folder;
  EXPECT_EQ(readLinePieces(folder.file("missing.obj"), [](auto&) { return true; }), kFailure);
  int calls = 0;
  const auto path = folder.writeText("a.obj", "v 1\nv 2\nv 3\n");
  EXPECT_EQ(readLinePieces(path, [&](auto&) { return ++calls < 2; }), kFailure);
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace qel
