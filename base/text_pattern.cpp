#include "base/text_pattern.h"

namespace qel {

std::u16string fillPattern(std::u16string_view pattern,
                           std::initializer_list<std::u16string> args) {
  std::u16string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t n = i + 1 < pattern.size() ? pattern[i + 1] - u'1' : args.size();
    if (pattern[i] == u'%' && n < args.size()) {
      text += *(args.begin() + n);
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace qel
