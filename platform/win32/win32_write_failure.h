#pragma once

#include <windows.h>

#include "platform/write_failure.h"

namespace qel::platform {

inline WriteFailure writeFailureOf(DWORD error) {
  switch (error) {
    case ERROR_WRITE_PROTECT:
      return WriteFailure::ReadOnly;
    case ERROR_ACCESS_DENIED:
      return WriteFailure::NoPermission;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return WriteFailure::DiskFull;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
      return WriteFailure::FolderMissing;
    case ERROR_FILENAME_EXCED_RANGE:
      return WriteFailure::PathTooLong;
    default:
      return WriteFailure::Other;
  }
}

// The cause of the call that just failed.
inline WriteFailure lastWriteFailure() {
  return writeFailureOf(::GetLastError());
}

inline WriteFailure outcome(bool done) {
  return done ? WriteFailure::None : lastWriteFailure();
}

}  // namespace qel::platform
