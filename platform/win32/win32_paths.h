#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace qel::platform {

// The full path; with the \\?\ prefix when it is too long for the plain form, as a temporary
// beside a target of the longest path is. Empty when it cannot be made.
std::wstring fullPath(std::u16string_view path);

// The file that a symbolic link or junction at path ends at, or path itself when none is
// there, split after its last separator; nothing for a link that leads nowhere, whose place
// a new file would take.
std::optional<FolderAndName> resolveWin32Path(std::u16string_view path);

}  // namespace qel::platform
