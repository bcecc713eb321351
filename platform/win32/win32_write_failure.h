#pragma once

#include <windows.h>

#include "platform/write_failure.h"

namespace qel::platform {

// The reason of a system error, kept with the error and the call that returned it.
inline WriteFailure writeFailureOf(DWORD error, const char* call) {
  WriteReason reason = WriteReason::Other;
  switch (error) {
    case ERROR_WRITE_PROTECT:
      reason = WriteReason::ReadOnly;
      break;
    case ERROR_ACCESS_DENIED:
      reason = WriteReason::NoPermission;
      break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      reason = WriteReason::DiskFull;
      break;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
      reason = WriteReason::FolderMissing;
      break;
    case ERROR_FILENAME_EXCED_RANGE:
      reason = WriteReason::PathTooLong;
      break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      reason = WriteReason::HeldByOther;
      break;
    default:
      break;
  }
  return {reason, static_cast<std::uint32_t>(error), call};
}

// The failure of the call that just failed.
inline WriteFailure lastWriteFailure(const char* call) {
  return writeFailureOf(::GetLastError(), call);
}

inline WriteFailure outcome(bool done, const char* call) {
  return done ? WriteReason::None : lastWriteFailure(call);
}

}  // namespace qel::platform
