#include "dialogs/field_rule.h"

#include <algorithm>

#include "base/utf.h"
#include "dialogs/unsigned_field.h"

namespace qel {
namespace {

bool isHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

FieldRule fieldRuleOf(const resources::ControlTemplate& control) {
  return {control.maxLength, (control.style & resources::kEditNumber) != 0};
}

FieldEdit acceptEdit(const FieldRule& rule, std::u16string_view before, std::u16string_view after) {
  // The change is what after holds between the start and the end it shares with before,
  // taken on whole characters.
  const std::size_t shortest = std::min(before.size(), after.size());
  std::size_t prefix = 0;
  while (prefix < shortest && before[prefix] == after[prefix]) ++prefix;
  if (prefix > 0 && isHighSurrogate(after[prefix - 1])) --prefix;
  std::size_t suffix = 0;
  while (suffix < shortest - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
    ++suffix;
  }
  if (suffix > 0 && isLowSurrogate(after[after.size() - suffix])) --suffix;

  std::u16string inserted;
  for (char16_t unit : after.substr(prefix, after.size() - prefix - suffix)) {
    if (rule.digitsOnly) unit = asciiFormOf(unit);
    if (!rule.digitsOnly || (unit >= u'0' && unit <= u'9')) inserted.push_back(unit);
  }
  if (rule.maxUnits > 0) {
    const std::size_t allowed = std::max(static_cast<std::size_t>(rule.maxUnits), before.size());
    const std::size_t kept = prefix + suffix;
    std::size_t fits = wholeCharactersWithin(inserted, allowed > kept ? allowed - kept : 0).size();
    if (fits > 0 && fits < inserted.size() && inserted[fits - 1] == u'\r' &&
        inserted[fits] == u'\n')
      --fits;  // nor a line break
    inserted.resize(fits);
  }
  FieldEdit edit;
  edit.text.assign(after.substr(0, prefix));
  edit.text += inserted;
  edit.cursor = edit.text.size();
  edit.text += after.substr(after.size() - suffix);
  return edit;
}

}  // namespace qel
