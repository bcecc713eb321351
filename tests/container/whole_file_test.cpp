#include "container/whole_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "tests/support/container_fixtures.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::patterned;

TEST(ReadWholeFile, ReturnsExactlyTheFilesBytes) {
  test::TempFolder folder;
  for (std::size_t size : {1u, 2048u, 2049u, 10000u}) {
    const Bytes bytes = patterned(size);
    EXPECT_EQ(readWholeFile(folder.write("f.bin", bytes)), bytes) << size;
  }
  const Bytes named = patterned(5);
  EXPECT_EQ(readWholeFile(folder.write("コンテナ.cnt", named)), named);
}

TEST(ReadWholeFile, FailsOnEmptyMissingFoldersAndPipes) {
  test::TempFolder folder;
  EXPECT_FALSE(readWholeFile(folder.write("empty", {})));
  EXPECT_FALSE(readWholeFile(folder.file("missing")));
  EXPECT_FALSE(readWholeFile(folder.file("")));
#ifndef _WIN32
  // A named pipe without a writer would block the reader for good.
  ASSERT_EQ(::mkfifo((folder.path() / "pipe.cnt").c_str(), 0600), 0);
  EXPECT_FALSE(readWholeFile(folder.file("pipe.cnt")));
#endif
}

TEST(ReadWholeFile, ShortPiecesAreReadOnButAnEarlyEndOrErrorFails) {
  test::TempFolder folder;
  const Bytes bytes = patterned(5000);
  const auto path = folder.write("f.bin", bytes);
  test::FaultyFileSystem files;

  files.faults.largestRead = 1000;
  EXPECT_EQ(readWholeFile(path), bytes);

  files.faults = {};
  files.faults.readEndsAfter = 4999;
  EXPECT_FALSE(readWholeFile(path));

  files.faults = {};
  files.faults.readFailsAfter = 100;
  EXPECT_FALSE(readWholeFile(path));

  files.faults = {};
  files.faults.lengthUnknown = true;
  EXPECT_FALSE(readWholeFile(path));

  files.faults = {};
  files.faults.openFails = true;
  EXPECT_FALSE(readWholeFile(path));
}

TEST(WriteWholeFiles, AFailureTouchesNoFileAndPassesItsCauseUp) {
  test::TempFolder folder;
  const auto first = folder.write("first.bin", patterned(10));
  const Bytes bytes = patterned(20);
  const auto second = folder.file("missing/second.bin");
  const FileContent both[] = {{first, bytes}, {second, bytes}};
  platform::WriteFailure why = platform::WriteReason::None;
  EXPECT_FALSE(writeWholeFiles(both, &why));
  EXPECT_EQ(why, platform::WriteReason::FolderMissing);
  EXPECT_EQ(test::readFile(folder.path() / "first.bin"), patterned(10));

  test::FaultyFileSystem files;
  files.faults.writeFailsAfter = 5;
  files.faults.cause = platform::WriteReason::DiskFull;
  EXPECT_FALSE(writeWholeFile(first, bytes, &why));
  EXPECT_EQ(why, platform::WriteReason::DiskFull);
  EXPECT_EQ(test::namesIn(folder.path()), std::vector<std::string>{"first.bin"});
}

}  // namespace
}  // namespace qel
