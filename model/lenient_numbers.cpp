#include "model/lenient_numbers.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

#include <fast_float.h>

#include "model/plain_number.h"

namespace qel {
namespace {

bool isCSpace(char c) {
  return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t';
}
// The value of a decimal digit; above 9 for any other character.
unsigned digitValue(char c) {
  return static_cast<unsigned char>(c - '0');
}
bool isDecimal(char c) {
  return digitValue(c) <= 9;
}
bool isHex(char c) {
  return isDecimal(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
}

std::size_t skipSpace(std::string_view text) {
  std::size_t at = 0;
  // Numbers in model files stand at the start of their token: one comparison says so.
  while (at < text.size() && static_cast<unsigned char>(text[at]) <= ' ' && isCSpace(text[at])) {
    ++at;
  }
  return at;
}

// A hexadecimal number that does not fit a double is either far above 1 or far below;
// this tells which from the position of its first significant digit and its exponent.
bool exceedsAbove(std::string_view number) {
  std::int64_t order = 0;
  bool point = false;
  bool significant = false;
  std::size_t at = 0;
  for (; at < number.size(); ++at) {
    const char c = number[at];
    if (c == '.') {
      point = true;
      continue;
    }
    if (!isHex(c)) break;
    if (!significant && c == '0') {
      if (point) --order;
      continue;
    }
    significant = true;
    if (!point) ++order;
  }
  std::int64_t exponent = 0;
  if (at < number.size() && (number[at] | 0x20) == 'p') {
    ++at;
    const bool negative = at < number.size() && number[at] == '-';
    if (at < number.size() && (number[at] == '-' || number[at] == '+')) ++at;
    for (; at < number.size() && isDecimal(number[at]); ++at) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (number[at] - '0');
    }
    if (negative) exponent = -exponent;
  }
  return order * 4 + exponent > 0;
}

// The longest text a plain number can have: a sign, 19 digits and a point.
constexpr std::size_t kLongestPlain = 21;

// Every other form, unsigned, as from_chars reads it (fast_float's for decimals, the
// standard library's for hexadecimals) with the leniency of atof; nothing when no number
// stands there.
[[gnu::noinline]] std::optional<double> readOtherNumber(std::string_view number) {
  // from_chars takes a minus sign of its own and no "0x" prefix; atof the other way round.
  if (!number.empty() && number[0] == '-') return std::nullopt;
  const bool hex = number.size() > 2 && number[0] == '0' && (number[1] | 0x20) == 'x' &&
                   (isHex(number[2]) || number[2] == '.');
  if (hex) {
    number.remove_prefix(2);
    // from_chars of GCC 12 takes "p+-1" as the exponent -1; atof stops before the p.
    const std::size_t exponent = number.find_first_of("pP");
    if (exponent != std::string_view::npos && number.substr(exponent + 1).starts_with("+-")) {
      number = number.substr(0, exponent);
    }
  }
  double value = 0.0;
  if (!hex) {
    // Above the range of a double fast_float gives infinity, below it 0, as atof does.
    const auto read = fast_float::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec != std::errc()) return std::nullopt;
    return value;
  }
  const auto [end, error] =
      std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::hex);
  // After "0x" without hexadecimal digits, the 0 is the number.
  if (error == std::errc::invalid_argument) return 0.0;
  if (error == std::errc::result_out_of_range) {
    const std::string_view taken = number.substr(0, static_cast<std::size_t>(end - number.data()));
    return exceedsAbove(taken) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

}  // namespace

double readDouble(std::string_view text) {
  const std::string_view signedNumber = text.substr(skipSpace(text));
  // A number short enough to be plain, from a copy that may be read past its end.
  if (signedNumber.size() <= kLongestPlain) {
    char copy[kLongestPlain + kNumberSlack] = {};
    std::copy(signedNumber.begin(), signedNumber.end(), copy);  // an empty view may be null
    const PlainNumber plain = readPlainNumber(copy, copy + signedNumber.size());
    // An exponent, or the x of a hexadecimal number after its 0, goes on.
    const char next = copy[plain.length];
    if (plain.length > 0 && (next | 0x20) != 'e' && (next | 0x20) != 'x') return plain.value;
  }
  std::string_view number = signedNumber;
  const bool negative = !number.empty() && number[0] == '-';
  if (!number.empty() && (number[0] == '+' || number[0] == '-')) number.remove_prefix(1);
  const auto value = readOtherNumber(number);
  // Without a number there is nothing to negate: atof gives +0 for "-" and "-x".
  if (!value) return 0.0;
  return negative ? -*value : *value;
}

std::size_t scanInt(std::string_view text, int& value) {
  std::size_t at = skipSpace(text);
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  const std::size_t digits = at;
  std::int64_t magnitude = 0;
  constexpr std::int64_t kHeld = std::int64_t{std::numeric_limits<int>::max()} + 1;
  for (unsigned digit; at < text.size() && (digit = digitValue(text[at])) <= 9; ++at) {
    magnitude = std::min(kHeld, magnitude * 10 + digit);
  }
  if (at == digits) return 0;
  const std::int64_t signedValue = negative ? -magnitude : magnitude;
  value = static_cast<int>(std::clamp<std::int64_t>(signedValue, std::numeric_limits<int>::min(),
                                                    std::numeric_limits<int>::max()));
  return at;
}

int readInt(std::string_view text) {
  int value = 0;
  scanInt(text, value);
  return value;
}

}  // namespace qel
