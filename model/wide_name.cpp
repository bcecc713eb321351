#include "model/wide_name.h"

#include <algorithm>

#include "base/utf.h"
#include "platform/os.h"

namespace qel {

namespace {

std::optional<std::u16string> slashedName(std::u16string wide) {
  if (wide.size() > kLongestWideName) return std::nullopt;
  // Model files made on Windows separate folders with backslashes; a slash does that on
  // every platform. Only names from model files get this, never a path the user chose.
  std::replace(wide.begin(), wide.end(), u'\\', u'/');
  return wide;
}

// The length of the UTF-8 sequence that starts at text[at], or 0 when none does.
std::size_t utf8SequenceAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                             : lead >= 0xE0                 ? 3
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                                                            : 0;
  if (length == 0 || lead > 0xF4 || at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
  }
  // Overlong forms, surrogates and code points past U+10FFFF.
  const unsigned char second = byte(at + 1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
    return 0;
  }
  return length;
}

}  // namespace

std::optional<std::u16string> toWideName(std::string_view text) {
  return slashedName(platform::codePage().toWide(text));
}

NameEncoding nameEncodingOf(std::string_view file) {
  bool nonAscii = false;
  for (std::size_t at = 0; at < file.size();) {
    const std::size_t length = utf8SequenceAt(file, at);
    if (length == 0) return NameEncoding::CodePage;
    nonAscii = nonAscii || length > 1;
    at += length;
  }
  return nonAscii ? NameEncoding::Utf8 : NameEncoding::CodePage;
}

std::optional<std::u16string> toWideName(std::string_view text, NameEncoding encoding) {
  if (encoding == NameEncoding::CodePage) return toWideName(text);
  return slashedName(fromUtf8(text));
}

}  // namespace qel
