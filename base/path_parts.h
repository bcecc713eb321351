#pragma once

#include <string>
#include <string_view>

#include "base/fixed_text.h"

namespace qel {

// A path split into drive ("C:"), directory (with its trailing separator), base name and
// extension (with its dot). Both "/" and "\" separate folders. Joined in this order the
// four parts give the path back.
struct PathParts {
  std::u16string_view drive;
  std::u16string_view directory;
  std::u16string_view base;
  std::u16string_view extension;
};

PathParts splitPath(std::u16string_view path);

// Drive and directory of path, ending in its separator; empty for a bare file name.
std::u16string_view folderOf(std::u16string_view path);

// The longest path a 260-unit path buffer holds with its terminator.
inline constexpr std::size_t kLongestPath = kPathCapacity - 1;

// path with its extension replaced by extension (given without the dot), or added when
// it has none: C:\models\car.obj with "tmp" gives C:\models\car.tmp. The result is not
// cut; a caller that keeps it in a path buffer checks it against kLongestPath.
std::u16string makeSiblingPath(std::u16string_view path, std::u16string_view extension);

// ASCII letters compared without regard to case, as file names are on Windows.
bool equalIgnoringCase(std::u16string_view a, std::u16string_view b);

}  // namespace qel
