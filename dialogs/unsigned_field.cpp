#include "dialogs/unsigned_field.h"

namespace qel {

char16_t asciiFormOf(char16_t unit) {
  if (unit >= u'０' && unit <= u'９') return static_cast<char16_t>(u'0' + (unit - u'０'));
  if (unit == u'．') return u'.';
  return unit;
}

std::u16string asciiForms(std::u16string_view text) {
  std::u16string ascii(text);
  for (char16_t& unit : ascii) unit = asciiFormOf(unit);
  return ascii;
}

std::optional<std::uint32_t> parseUnsignedField(std::u16string_view text) {
  std::size_t at = 0;
  while (at < text.size() && text[at] == u' ') ++at;
  if (at == text.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; at < text.size(); ++at) {
    const char16_t unit = asciiFormOf(text[at]);
    if (unit < u'0' || unit > u'9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(unit - u'0');
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::u16string unsignedFieldText(std::uint32_t value) {
  std::u16string text;
  do {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value != 0);
  return text;
}

}  // namespace qel
