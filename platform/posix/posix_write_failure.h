#pragma once

#include <cerrno>

#include "platform/write_failure.h"

namespace qel::platform {

// The reason of a system error, kept with the error and the call that returned it.
inline WriteFailure writeFailureOf(int error, const char* call) {
  WriteReason reason = WriteReason::Other;
  switch (error) {
    case EROFS:
      reason = WriteReason::ReadOnly;
      break;
    case EACCES:
    case EPERM:
      reason = WriteReason::NoPermission;
      break;
    case ENOSPC:
    case EDQUOT:
      reason = WriteReason::DiskFull;
      break;
    case ENOENT:
    case ENOTDIR:
      reason = WriteReason::FolderMissing;
      break;
    case ENAMETOOLONG:
      reason = WriteReason::PathTooLong;
      break;
    case ETXTBSY:
      reason = WriteReason::HeldByOther;
      break;
    default:
      break;
  }
  return {reason, static_cast<std::uint32_t>(error), call};
}

// The failure of the call that just failed.
inline WriteFailure lastWriteFailure(const char* call) {
  return writeFailureOf(errno, call);
}

}  // namespace qel::platform
