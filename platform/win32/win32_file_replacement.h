#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace qel::platform {

// Starts replacing the file at target (a full path). A symbolic link or junction is
// followed, so that the file it names gets the new content and the link stays. A read-only
// file is refused, as a plain write would be. Nothing when the target is no file on disk or
// cannot be written.
std::unique_ptr<FileReplacement> beginWin32Replacement(const std::wstring& target);

}  // namespace qel::platform
