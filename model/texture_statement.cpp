#include "model/texture_statement.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace qel {
namespace {

// A number as the readers take it: digits and their signs, points and exponents, or what
// atof reads as not finite ("nan", "-inf").
bool isNumber(std::string_view token) {
  if (!token.empty() && (token.front() == '-' || token.front() == '+')) token.remove_prefix(1);
  if (token.empty()) return false;
  const auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); };
  std::string word;
  for (const char c : token) word += lower(c);
  if (word == "nan" || word == "inf" || word == "infinity") return true;
  for (const char c : token) {
    if ((c < '0' || c > '9') && c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E') {
      return false;
    }
  }
  return true;
}

// How many tokens an option of a texture statement takes after it, at least and at most;
// nothing for a token that is no option.
std::optional<std::pair<std::size_t, std::size_t>> optionValues(std::string_view token) {
  static constexpr std::array<std::string_view, 10> kOneValue = {
      "-blendu", "-blendv",  "-bm",     "-boost", "-cc",
      "-clamp",  "-imfchan", "-texres", "-type",  "-bo"};
  for (const std::string_view option : kOneValue) {
    if (token == option) return std::pair{1, 1};
  }
  if (token == "-mm") return std::pair{2, 2};
  if (token == "-o" || token == "-s" || token == "-t") return std::pair{1, 3};
  return std::nullopt;
}

}  // namespace

std::string restOfLine(const TokenTable& tokens, std::size_t first) {
  if (!tokens.has(first)) return {};
  const TokenTable::Token& last = tokens.tokens[tokens.count - 1];
  std::string text(tokens.tokens[first].start, last.start + last.size);
  // The tokenizer ended each token with a 0 in place of its separator.
  for (char& c : text) {
    if (c == '\0' || c == '\t') c = ' ';
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n'))
    text.pop_back();
  return text;
}

bool isTextureStatement(std::string_view keyword) {
  static constexpr std::array<std::string_view, 5> kPlain = {"bump", "disp", "decal", "refl",
                                                             "norm"};
  return keyword.starts_with("map_") ||
         std::find(kPlain.begin(), kPlain.end(), keyword) != kPlain.end();
}

std::string textureStatementFile(const TokenTable& tokens) {
  std::size_t at = 1;
  while (const auto values = optionValues(tokens[at])) {
    ++at;
    for (std::size_t taken = 0; taken < values->second && tokens.has(at); ++taken) {
      if (taken >= values->first && !isNumber(tokens[at])) break;
      ++at;
    }
  }
  std::string name = restOfLine(tokens, at);
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
    name = name.substr(1, name.size() - 2);
  }
  return name;
}

}  // namespace qel
