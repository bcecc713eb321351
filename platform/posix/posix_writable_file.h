#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace qel::platform {

// Opens path for writing; a CreateNew file is made private (mode 0600) and holds an
// exclusive flock while it is open, which removeUnusedPosixFile respects.
std::unique_ptr<WritableFile> openPosixWritable(const std::string& path, OpenMode mode,
                                                WriteFailure& why);

// Removes the regular file at path when no one holds its lock.
bool removeUnusedPosixFile(const std::string& path);

}  // namespace qel::platform
