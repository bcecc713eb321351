#include "dialogs/workshop_name_check.h"

#include <algorithm>

#include "resources/prohibited_workshop_names.h"

namespace qel {
namespace {

char16_t foldAsciiCase(char16_t unit) {
  return (unit >= u'A' && unit <= u'Z') ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

bool equalIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b, {}, foldAsciiCase, foldAsciiCase);
}

}  // namespace

WorkshopNameCheck checkWorkshopName(std::u16string_view candidate) {
  // The name ends at its terminator, as the field that holds it does.
  candidate = candidate.substr(0, candidate.find(u'\0'));
  if (candidate.empty()) return WorkshopNameCheck::Empty;
  for (const std::u16string_view name : resources::kProhibitedWholeNames) {
    if (equalIgnoringAsciiCase(candidate, name)) return WorkshopNameCheck::Prohibited;
  }
  for (const std::u16string_view word : resources::kProhibitedWords) {
    if (candidate.find(word) != std::u16string_view::npos) return WorkshopNameCheck::Prohibited;
  }
  return WorkshopNameCheck::Ok;
}

}  // namespace qel
