#include "platform/win32/win32_write_failure.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "container/whole_file.h"
#include "tests/support/temp_folder.h"

namespace qel::platform {
namespace {

TEST(Win32WriteFailure, EachSystemErrorHasItsReasonAndIsKeptWithItsCall) {
  using enum WriteReason;
  const std::pair<DWORD, WriteReason> table[] = {{ERROR_WRITE_PROTECT, ReadOnly},
                                                 {ERROR_ACCESS_DENIED, NoPermission},
                                                 {ERROR_DISK_FULL, DiskFull},
                                                 {ERROR_HANDLE_DISK_FULL, DiskFull},
                                                 {ERROR_PATH_NOT_FOUND, FolderMissing},
                                                 {ERROR_INVALID_DRIVE, FolderMissing},
                                                 {ERROR_FILENAME_EXCED_RANGE, PathTooLong},
                                                 {ERROR_SHARING_VIOLATION, HeldByOther},
                                                 {ERROR_LOCK_VIOLATION, HeldByOther},
                                                 {ERROR_CRC, Other}};
  for (const auto& [error, reason] : table) {
    ::SetLastError(error);
    const WriteFailure failure = lastWriteFailure("MoveFileExW");
    EXPECT_EQ(failure.reason, reason) << error;
    EXPECT_EQ(failure.systemError, error);
    EXPECT_STREQ(failure.call, "MoveFileExW");
  }
}

TEST(Win32WriteFailure, AFileThatAnotherProgramHoldsIsSaidToBeHeld) {
  const test::TempFolder folder;
  const std::u16string path = folder.write("held.cnt", {'o', 'l', 'd'});
  const std::wstring wide(path.begin(), path.end());
  const HANDLE held = ::CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  WriteFailure why;
  EXPECT_FALSE(writeWholeFile(path, Bytes{'n', 'e', 'w'}, &why));
  ::CloseHandle(held);
  EXPECT_EQ(why.reason, WriteReason::HeldByOther);
  EXPECT_EQ(why.systemError, static_cast<std::uint32_t>(ERROR_SHARING_VIOLATION));
}

}  // namespace
}  // namespace qel::platform
