#include "platform/posix/posix_write_failure.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "container/whole_file.h"
#include "platform/os.h"
#include "tests/support/temp_folder.h"

namespace qel::platform {
namespace {

TEST(PosixWriteFailure, EachSystemErrorHasItsReasonAndIsKeptWithItsCall) {
  using enum WriteReason;
  const std::pair<int, WriteReason> table[] = {
      {EROFS, ReadOnly},        {EACCES, NoPermission},
      {EPERM, NoPermission},    {ENOSPC, DiskFull},
      {EDQUOT, DiskFull},       {ENOENT, FolderMissing},
      {ENOTDIR, FolderMissing}, {ENAMETOOLONG, PathTooLong},
      {ETXTBSY, HeldByOther},   {EIO, Other}};
  for (const auto& [error, reason] : table) {
    errno = error;
    const WriteFailure failure = lastWriteFailure("rename");
    EXPECT_EQ(failure.reason, reason) << error;
    EXPECT_EQ(failure.systemError, static_cast<std::uint32_t>(error));
    EXPECT_STREQ(failure.call, "rename");
  }
}

TEST(PosixWriteFailure, AFailedWriteOnDiskComesBackWithTheSystemsErrorAndCall) {
  const test::TempFolder folder;
  WriteFailure why;
  EXPECT_FALSE(writeWholeFile(folder.file("missing/a.cnt"), Bytes{1, 2}, &why));
  EXPECT_EQ(why.reason, WriteReason::FolderMissing);
  EXPECT_EQ(why.systemError, static_cast<std::uint32_t>(ENOENT));
  EXPECT_STREQ(why.call, "open");
}

TEST(PosixWriteFailure, AFailureOfNoKnownReasonIsToldByItsSystemError) {
  const WriteFailure failure = writeFailureOf(EIO, "fsync");
  EXPECT_NE(englishText(failure).find("fsync failed with system error " + std::to_string(EIO)),
            std::string::npos);
}

}  // namespace
}  // namespace qel::platform
