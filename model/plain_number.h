#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qel {

// How many bytes readPlainNumber read, 0 when the text there is no plain number, and the
// value.
struct PlainNumber {
  std::size_t length = 0;
  double value = 0.0;
};

// readPlainNumber reads up to this many bytes past the end of its text, which must be
// there to be read; they do not change what it answers.
inline constexpr std::size_t kNumberSlack = 8;

namespace plain_digits {

inline std::uint64_t load8(const char* at) {
  std::uint64_t word;
  std::memcpy(&word, at, 8);
  return word;
}

// The place of the first byte of digits (eight bytes less '0', the first lowest) that is
// no decimal digit; 8 when all are.
inline std::size_t digitCount(std::uint64_t digits) {
  constexpr std::uint64_t kHigh = 0x8080808080808080;
  // No carry out of a byte: the low seven bits plus 0x76 stay below 0x100.
  const std::uint64_t stops = (((digits & ~kHigh) + 0x7676767676767676) | digits) & kHigh;
  return stops ? static_cast<std::size_t>(std::countr_zero(stops)) / 8 : 8;
}

// The first count bytes of digits (eight bytes less '0', the first lowest; count 1 to 8)
// as a number.
inline std::uint64_t firstDigits(std::uint64_t digits, std::size_t count) {
  digits <<= 64 - 8 * count;             // the count digits at the top, 0s before them
  digits = digits * 10 + (digits >> 8);  // two-digit numbers in every other byte
  constexpr std::uint64_t kMask = 0x000000FF000000FF;
  return (((digits & kMask) * 0x000F424000000064) +
          (((digits >> 16) & kMask) * 0x0000271000000001)) >>
         32;
}

inline constexpr std::uint64_t kDigitPowers[] = {1,      10,      100,      1000,     10000,
                                                 100000, 1000000, 10000000, 100000000};

}  // namespace plain_digits

// A number at at, before end, written plainly, as model files write numbers: a sign,
// digits, a point and digits, with at most 19 digits that make an integer below 2^53.
// Whatever follows is not looked at: for a number that goes on (an exponent, a
// hexadecimal form) the caller reads the whole with readDouble, which gives such a number
// this value. Both the integer and the power of ten are exact doubles, so their quotient
// is the correctly rounded value, as from_chars gives it. Inline, so that a reader of
// many numbers keeps its constants at hand.
inline PlainNumber readPlainNumber(const char* at, const char* end) {
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                            1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                            1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
  constexpr std::size_t kMostDigits = 19;  // an integer that wrapped beyond them is refused
  constexpr std::uint64_t kExactLimit = std::uint64_t{1} << 53;
  const char* const start = at;
  const char sign = at < end ? *at : '\0';
  const bool negative = sign == '-';
  if (sign == '-' || sign == '+') ++at;
  // The integer part is short as a rule: digit by digit.
  std::uint64_t mantissa = 0;
  const char* const integer = at;
  for (unsigned digit; at < end && (digit = static_cast<unsigned char>(*at - '0')) <= 9; ++at) {
    mantissa = mantissa * 10 + digit;
  }
  std::size_t digits = static_cast<std::size_t>(at - integer);
  std::size_t decimals = 0;
  if (at < end && *at == '.') {
    ++at;
    // The decimals eight at a time; bytes past end stop them.
    for (;;) {
      const std::uint64_t word = plain_digits::load8(at) ^ 0x3030303030303030;  // no borrows
      const std::size_t count =
          std::min(plain_digits::digitCount(word), static_cast<std::size_t>(end - at));
      if (count > 0) {
        mantissa =
            mantissa * plain_digits::kDigitPowers[count] + plain_digits::firstDigits(word, count);
      }
      decimals += count;
      at += count;
      if (count < 8) break;
    }
    digits += decimals;
  }
  if (digits == 0 || digits > kMostDigits || mantissa >= kExactLimit) return {};
  const double value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
  return {static_cast<std::size_t>(at - start), negative ? -value : value};
}

}  // namespace qel
