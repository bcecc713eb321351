#include "model/wide_name.h"

#include <algorithm>

#include "platform/os.h"

namespace qel {

std::optional<std::u16string> toWideName(std::string_view text) {
  std::u16string wide = platform::codePage().toWide(text);
  if (wide.size() > kLongestWideName) return std::nullopt;
  // Model files made on Windows separate folders with backslashes; a slash does that on
  // every platform. Only names from model files get this, never a path the user chose.
  std::replace(wide.begin(), wide.end(), u'\\', u'/');
  return wide;
}

}  // namespace qel
