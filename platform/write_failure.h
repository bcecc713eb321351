#pragma once

namespace qel::platform {

// Why a file could not be written, as far as the operating system tells.
enum class WriteFailure {
  None,
  ReadOnly,
  NoPermission,
  DiskFull,
  FolderMissing,
  PathTooLong,
  Other
};

}  // namespace qel::platform
