#pragma once

#include <cerrno>

#include "platform/write_failure.h"

namespace qel::platform {

inline WriteFailure writeFailureOf(int error) {
  switch (error) {
    case EROFS:
      return WriteFailure::ReadOnly;
    case EACCES:
    case EPERM:
      return WriteFailure::NoPermission;
    case ENOSPC:
    case EDQUOT:
      return WriteFailure::DiskFull;
    case ENOENT:
    case ENOTDIR:
      return WriteFailure::FolderMissing;
    case ENAMETOOLONG:
      return WriteFailure::PathTooLong;
    default:
      return WriteFailure::Other;
  }
}

// The cause of the call that just failed.
inline WriteFailure lastWriteFailure() {
  return writeFailureOf(errno);
}

}  // namespace qel::platform
