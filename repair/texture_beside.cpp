#include "repair/texture_beside.h"

#include <array>

#include "base/path_parts.h"
#include "model/model_file_lookup.h"

namespace qel {
namespace {

// How modellers' tools name a model's colour image after it.
constexpr std::array<std::u16string_view, 7> kSuffixes = {
    u"", u"_diffuse", u"_dif", u"_albedo", u"_basecolor", u"_color", u"_col"};
constexpr std::array<std::u16string_view, 6> kExtensions = {u".png", u".jpg", u".jpeg",
                                                            u".tga", u".bmp", u".gif"};

}  // namespace

std::optional<std::u16string> findTextureBeside(std::u16string_view objPath) {
  const PathParts parts = splitPath(objPath);
  const std::u16string stem =
      std::u16string(parts.drive) + std::u16string(parts.directory) + std::u16string(parts.base);
  for (const std::u16string_view suffix : kSuffixes) {
    for (const std::u16string_view extension : kExtensions) {
      std::u16string path = stem + std::u16string(suffix) + std::u16string(extension);
      if (path.size() <= kLongestPath && openModelFile(path)) return path;
    }
  }
  return std::nullopt;
}

}  // namespace qel
