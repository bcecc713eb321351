#pragma once

#include <memory>

#include "platform/code_page.h"

namespace qel::platform {

// The two-byte characters of code page 932 by lead byte (0x81 to 0x9F, then 0xE0 to 0xFC)
// and second byte, as the build machine's conversion gives them; the default character
// where the code page has none. Generated at build time.
inline constexpr int kCp932LeadBytes = 31 + 29;

constexpr int cp932LeadIndex(unsigned char lead) {
  return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}

extern const char16_t kCp932PairTable[kCp932LeadBytes][256];

// Code page 932 converted with the table.
std::unique_ptr<CodePage> makeTableCodePage();

}  // namespace qel::platform
