#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace qel::platform {

// Opens path (a full path) for writing. A CreateNew file is shared for reading and renaming
// only, so that removeUnusedWin32File, which needs it unshared, passes it by while it is open.
std::unique_ptr<WritableFile> openWin32Writable(const std::wstring& path, OpenMode mode,
                                                WriteFailure& why);

// Removes the file at path when no handle of it is open.
bool removeUnusedWin32File(const std::wstring& path);

}  // namespace qel::platform
