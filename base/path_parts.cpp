#include "base/path_parts.h"

#include <algorithm>

namespace qel {
namespace {
bool isSeparator(char16_t c) {
  return c == u'/' || c == u'\\';
}

char16_t lowerAscii(char16_t c) {
  return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
}
}  // namespace

PathParts splitPath(std::u16string_view path) {
  PathParts parts;
  if (path.size() >= 2 && path[1] == u':') {
    parts.drive = path.substr(0, 2);
    path.remove_prefix(2);
  }
  const auto lastSeparator = std::find_if(path.rbegin(), path.rend(), isSeparator);
  const std::size_t nameStart = static_cast<std::size_t>(path.rend() - lastSeparator);
  parts.directory = path.substr(0, nameStart);
  const std::u16string_view name = path.substr(nameStart);
  const std::size_t dot = name.rfind(u'.');
  parts.base = name.substr(0, dot);
  if (dot != std::u16string_view::npos) parts.extension = name.substr(dot);
  return parts;
}

std::u16string_view folderOf(std::u16string_view path) {
  const PathParts parts = splitPath(path);
  return path.substr(0, parts.drive.size() + parts.directory.size());
}

std::u16string makeSiblingPath(std::u16string_view path, std::u16string_view extension) {
  const PathParts parts = splitPath(path);
  std::u16string sibling(path.substr(0, path.size() - parts.extension.size()));
  sibling += u'.';
  sibling += extension;
  return sibling;
}

bool equalIgnoringCase(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b,
                            [](char16_t x, char16_t y) { return lowerAscii(x) == lowerAscii(y); });
}

}  // namespace qel
