#include "model/wide_name.h"

#include "platform/os.h"

namespace qel {

std::optional<std::u16string> toWideName(std::string_view text) {
  std::u16string wide = platform::codePage().toWide(text);
  if (wide.size() > kLongestWideName) return std::nullopt;
  return wide;
}

}  // namespace qel
