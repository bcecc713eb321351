#include "cli/utf8_argument.h"

#include "base/utf.h"
#include "cli/refusal.h"

namespace qel::cli {

std::optional<std::u16string> fromUtf8Argument(std::string_view text) {
  std::u16string wide = fromUtf8(text);
  // The conversion replaces what is not UTF-8, so only UTF-8 comes back unchanged.
  if (toUtf8(wide) != text) return std::nullopt;
  return wide;
}

std::optional<std::u16string> pathArgument(const std::string& path, std::ostream& err) {
  auto wide = fromUtf8Argument(path);
  if (!wide) refuse(err, path, "the file name is not UTF-8");
  return wide;
}

}  // namespace qel::cli
