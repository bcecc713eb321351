#pragma once

#include <memory>
#include <string_view>

#include "platform/file_system.h"

namespace qel::platform {

// The writable files of this system's file system, defined once per operating system.
std::unique_ptr<WritableFile> openNativeWritable(std::u16string_view path, OpenMode mode,
                                                 WriteFailure& why);
bool removeUnusedNativeFile(std::u16string_view path);

}  // namespace qel::platform
