#include "dialogs/workshop_name_check.h"

#include <algorithm>

namespace qel {
namespace {

enum class Test { WholeIgnoringAsciiCase, Contained };

struct ProhibitedName {
  std::u16string_view entry;
  Test test;
};

constexpr ProhibitedName kProhibitedNames[] = {
    {u"kdoran", Test::WholeIgnoringAsciiCase},
    {u"k.doran", Test::WholeIgnoringAsciiCase},
    {u"k-doran", Test::WholeIgnoringAsciiCase},
    {u"test", Test::WholeIgnoringAsciiCase},
    {u"ｋｄｏｒａｎ", Test::Contained},
    {u"ＫＤＯＲＡＮ", Test::Contained},
    {u"ｋ．ｄｏｒａｎ", Test::Contained},
    {u"けいどらん", Test::Contained},
    {u"ケイドラン", Test::Contained},
    {u"JR北海道", Test::Contained},
    {u"JR貨物", Test::Contained},
    {u"JR東日本", Test::Contained},
    {u"JR東海", Test::Contained},
    {u"JR西日本", Test::Contained},
    {u"JR四国", Test::Contained},
    {u"JR九州", Test::Contained},
};

char16_t foldAsciiCase(char16_t unit) {
  return (unit >= u'A' && unit <= u'Z') ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

bool equalIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b, {}, foldAsciiCase, foldAsciiCase);
}

bool matches(const ProhibitedName& name, std::u16string_view candidate) {
  if (name.test == Test::WholeIgnoringAsciiCase)
    return equalIgnoringAsciiCase(candidate, name.entry);
  return candidate.find(name.entry) != std::u16string_view::npos;
}

}  // namespace

WorkshopNameCheck checkWorkshopName(std::u16string_view candidate) {
  // The name ends at its terminator, as the field that holds it does.
  candidate = candidate.substr(0, candidate.find(u'\0'));
  if (candidate.empty()) return WorkshopNameCheck::Empty;
  for (const ProhibitedName& name : kProhibitedNames) {
    if (matches(name, candidate)) return WorkshopNameCheck::Prohibited;
  }
  return WorkshopNameCheck::Ok;
}

}  // namespace qel
