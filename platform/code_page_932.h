#pragma once

#include <string>
#include <string_view>

namespace qel::platform {

// What Windows' MultiByteToWideChar gives for a character that code page 932 lacks.
inline constexpr char16_t kCp932DefaultCharacter = u'\u30FB';

bool isCp932LeadByte(unsigned char byte);

// The two-byte characters of code page 932, from whatever source a system has.
class Cp932Pairs {
 public:
  virtual ~Cp932Pairs() = default;
  // The character of a lead byte and the nonzero byte after it, or kCp932DefaultCharacter.
  virtual char16_t pair(unsigned char lead, unsigned char trail) = 0;
};

// bytes converted as Windows' MultiByteToWideChar converts them, the two-byte characters from
// pairs. A lead byte with a second byte that makes no character gives the default character
// for both; a lead byte at the end or before a zero byte gives it for itself alone.
std::u16string cp932ToWide(std::string_view bytes, Cp932Pairs& pairs);

}  // namespace qel::platform
