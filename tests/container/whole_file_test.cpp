#include "container/whole_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>

#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

Bytes patterned(std::size_t count) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + 7);
  return bytes;
}

std::size_t entriesIn(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator()));
}

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

TEST(WriteWholeFile, WritesExactlyTheGivenBytes) {
  test::TempFolder folder;
  const auto path = folder.file("out.bin");
  ASSERT_TRUE(writeWholeFile(path, patterned(10000)));
  ASSERT_TRUE(writeWholeFile(path, patterned(4097)));
  EXPECT_EQ(test::readFile(folder.path() / "out.bin"), patterned(4097));
  ASSERT_TRUE(writeWholeFile(path, {}));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "out.bin"));
  EXPECT_EQ(std::filesystem::file_size(folder.path() / "out.bin"), 0u);
  EXPECT_EQ(entriesIn(folder.path()), 1u);

  // The longest name a folder takes, with no room left for a longer temporary name; also
  // as a bare name in the current folder, as the command-line tool passes it.
  const std::string longest(255, 'n');
  ASSERT_TRUE(writeWholeFile(folder.file(longest), patterned(10)));
  EXPECT_EQ(test::readFile(folder.path() / longest), patterned(10));
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  const bool bare = writeWholeFile(std::u16string(longest.begin(), longest.end()), patterned(20));
  std::filesystem::current_path(previous);
  EXPECT_TRUE(bare);
  EXPECT_EQ(test::readFile(folder.path() / longest), patterned(20));
  EXPECT_EQ(entriesIn(folder.path()), 2u);
}

TEST(WriteWholeFile, FailsInAMissingFolderAndCreatesNothing) {
  test::TempFolder folder;
  EXPECT_FALSE(writeWholeFile(folder.file("missing/out.bin"), patterned(10)));
  EXPECT_EQ(entriesIn(folder.path()), 0u);
}

TEST(WriteWholeFile, AFailedWriteKeepsThePreviousFileAndLeavesNoTemporary) {
  test::TempFolder folder;
  const Bytes previous = patterned(3000);
  const auto path = folder.write("keep.cnt", previous);
  test::FaultyFileSystem files;

  files.faults.writeFailsAfter = 1000;
  EXPECT_FALSE(writeWholeFile(path, patterned(5000)));
  EXPECT_EQ(test::readFile(folder.path() / "keep.cnt"), previous);
  EXPECT_EQ(entriesIn(folder.path()), 1u);

  files.faults = {};
  files.faults.commitFails = true;
  EXPECT_FALSE(writeWholeFile(path, patterned(5000)));
  EXPECT_EQ(test::readFile(folder.path() / "keep.cnt"), previous);
  EXPECT_EQ(entriesIn(folder.path()), 1u);

  files.faults = {};
  files.faults.beginReplacingFails = true;
  EXPECT_FALSE(writeWholeFile(path, patterned(5000)));
  EXPECT_EQ(test::readFile(folder.path() / "keep.cnt"), previous);
}

}  // namespace
}  // namespace qel
