#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/bytes.h"
#include "platform/file_system.h"

namespace qel {

// Files named inside OBJ and MTL files were often named on Windows, where case does not
// matter. A name that is not found as written is looked for in its folder without
// regard to case, so Tex.png finds tex.PNG on a case-sensitive file system too. Where
// several entries match, the one first in code-unit order is taken.

// The folder entry at path under another case, or nothing when there is none.
std::optional<std::u16string> findIgnoringCase(std::u16string_view path);

// While one lives, findIgnoringCase lists each folder at most once on this thread and
// answers from that listing: one conversion or check, whose missing files would otherwise
// list their folder once each. Scopes nest; the outermost keeps the listings.
class FolderListingScope {
 public:
  FolderListingScope();
  ~FolderListingScope();
  FolderListingScope(const FolderListingScope&) = delete;
  FolderListingScope& operator=(const FolderListingScope&) = delete;

 private:
  struct Listings;
  std::unique_ptr<Listings> owned_;  // by the outermost scope only
};

std::unique_ptr<platform::FileReader> openModelFile(std::u16string_view path);

// The whole file, as readWholeFile gives it, refused when longer than largest bytes.
std::optional<Bytes> readModelFile(std::u16string_view path, std::uint64_t largest);

// The first count bytes of the file (all of a shorter one), as readFileHead gives them.
std::optional<Bytes> readModelFileHead(std::u16string_view path, std::size_t count);

}  // namespace qel
