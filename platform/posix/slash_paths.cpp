// Paths whose folders are parted by '/', as on Linux and in the page's files in memory.
#include "platform/file_system.h"

namespace qel::platform {

std::optional<FolderAndName> splitAtName(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'/');
  const std::size_t start = slash == std::u16string_view::npos ? 0 : slash + 1;
  if (start == path.size()) return std::nullopt;
  return FolderAndName{std::u16string(path.substr(0, start)), std::u16string(path.substr(start))};
}

void appendName(std::u16string& folder, std::u16string_view name) {
  if (!folder.empty() && folder.back() != u'/') folder += u'/';
  folder += name;
}

}  // namespace qel::platform
