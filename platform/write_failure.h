#pragma once

#include <cstdint>

namespace qel::platform {

// Why a file could not be written, in the program's own terms.
enum class WriteReason {
  None,
  ReadOnly,       // a read-only file, or a file system mounted read-only
  NoPermission,   // the user may not write the file or make one in its folder
  DiskFull,       // no room left, or the user's quota is used up
  FolderMissing,  // a folder of the path does not exist
  PathTooLong,
  HeldByOther,  // another program holds the file open or locked
  Other,
};

// A write that failed: its reason, and the operating system's own error code with the call
// that returned it, so that a failure of no known reason can still be told apart. A refusal
// of the program's own (not the system's) has code 0 and no call.
struct WriteFailure {
  WriteReason reason = WriteReason::None;
  std::uint32_t systemError = 0;  // errno, or GetLastError() on Windows
  const char* call = "";          // the system call that failed, such as "rename"

  WriteFailure() = default;
  WriteFailure(WriteReason why) : reason(why) {}  // NOLINT: a reason alone is a failure
  WriteFailure(WriteReason why, std::uint32_t error, const char* failedCall)
      : reason(why), systemError(error), call(failedCall) {}

  bool operator==(WriteReason other) const { return reason == other; }
};

}  // namespace qel::platform
