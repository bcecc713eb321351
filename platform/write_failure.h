#pragma once

namespace qel::platform {

// Why a file could not be written, as the operating system told it.
enum class WriteFailure {
  None,
  ReadOnly,       // a read-only file, or a file system mounted read-only
  NoPermission,   // the user may not write the file or make one in its folder
  DiskFull,       // no room left, or the user's quota is used up
  FolderMissing,  // a folder of the path does not exist
  PathTooLong,
  Other,
};

}  // namespace qel::platform
