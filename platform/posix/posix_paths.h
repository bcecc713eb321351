#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace qel::platform {

// Paths are taken as they are: a backslash is an ordinary character of a file name here.
std::string nativePath(std::u16string_view path);

// The file a chain of symbolic links at path ends at (possibly not existing yet), split at
// its last slash; nothing for a loop, a link that cannot be read or a path ending in a slash.
std::optional<FolderAndName> resolvePosixPath(std::u16string_view path);

}  // namespace qel::platform
