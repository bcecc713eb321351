#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace qel::platform {

// Starts replacing the file at target (a native path, taken as it is). A symbolic link is
// followed, so that the file it names gets the new content and the link stays. A file the
// process may not write is refused, as a plain write would be. Nothing when the target is a
// folder or cannot be written.
std::unique_ptr<FileReplacement> beginPosixReplacement(const std::string& target);

}  // namespace qel::platform
