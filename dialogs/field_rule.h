#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "resources/resource_types.h"

namespace qel {

// How an edit field of a dialog takes a change the user makes, as a Windows edit control
// does: a number field keeps only the digits of what is typed or pasted (full-width ones
// made ASCII), and what is inserted is cut, whole characters and line breaks only, where
// the text would
// grow past the limit; a text the program set longer than the limit may shrink but not
// grow. The Win32 front end has this from the system; the Qt front end and the tests'
// scripted one follow it from here.
struct FieldRule {
  int maxUnits = 0;  // UTF-16 units; 0 for no limit
  bool digitsOnly = false;
};

FieldRule fieldRuleOf(const resources::ControlTemplate& control);

struct FieldEdit {
  std::u16string text;
  std::size_t cursor = 0;  // just after what was inserted
};

// What the field holds once the user's change has turned before into after.
FieldEdit acceptEdit(const FieldRule& rule, std::u16string_view before, std::u16string_view after);

// Where a sorted list (kComboSort) of count entries, textAt(i) the text of entry i, puts a new
// entry: by UTF-16 code units, after the entries equal to it.
template <typename TextAt>
std::size_t sortedListPosition(std::size_t count, TextAt textAt, std::u16string_view text) {
  std::size_t position = 0;
  while (position < count && std::u16string_view(textAt(position)) <= text) ++position;
  return position;
}

}  // namespace qel
