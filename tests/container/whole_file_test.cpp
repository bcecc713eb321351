#include "container/whole_file.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <functional>

#include "platform/os.h"

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

#ifndef _WIN32  // links, permissions, processes and backslashes as POSIX has them
TEST(WholeFile, ABackslashIsAnOrdinaryCharacterOfAName) {
  test::TempFolder folder;
  const Bytes other = patterned(10);
  folder.write("a/b.cnt", other);
  ASSERT_TRUE(writeWholeFile(folder.file("a\\b.cnt"), patterned(20)));
  EXPECT_EQ(test::readFile(folder.path() / "a" / "b.cnt"), other);
  EXPECT_EQ(readWholeFile(folder.file("a\\b.cnt")), patterned(20));
}

TEST(WriteWholeFile, ASymbolicLinkStaysALinkAndItsFileGetsTheBytes) {
  test::TempFolder folder;
  folder.write("real.cnt", patterned(10));
  std::filesystem::create_directory(folder.path() / "links");
  std::filesystem::create_symlink("../real.cnt", folder.path() / "links" / "link.cnt");
  ASSERT_TRUE(writeWholeFile(folder.file("links/link.cnt"), patterned(30)));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "links" / "link.cnt"));
  EXPECT_EQ(test::readFile(folder.path() / "real.cnt"), patterned(30));
  EXPECT_EQ(entriesIn(folder.path() / "links"), 1u);
}

// Root writes whatever the modes say, so these run in a child process as nobody when the
// tests run as root.
class AsOrdinaryUser : public ::testing::Test {
 protected:
  static constexpr uid_t kNobody = 65534;
  enum Outcome { kWritten, kRefused, kNotRun };

  // Gives a path of the folder to the user the writes run as.
  void own(const std::filesystem::path& path, mode_t mode) {
    if (::geteuid() == 0) {
      ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
  }

  static Outcome write(const std::u16string& path, const Bytes& bytes) {
    const pid_t child = ::fork();
    if (child == 0) {
      if (::geteuid() == 0 &&
          (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
        ::_exit(kNotRun);
      }
      ::_exit(writeWholeFile(path, bytes) ? kWritten : kRefused);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return kNotRun;
    return static_cast<Outcome>(WEXITSTATUS(status));
  }

  test::TempFolder folder;
};

TEST_F(AsOrdinaryUser, AWriteProtectedFileIsRefusedAndLeftAsItWas) {
  own(folder.path(), 0777);
  const Bytes previous = patterned(10);
  folder.write("ro.cnt", previous);
  own(folder.path() / "ro.cnt", 0444);
  EXPECT_EQ(write(folder.file("ro.cnt"), patterned(20)), kRefused);
  EXPECT_EQ(test::readFile(folder.path() / "ro.cnt"), previous);
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST_F(AsOrdinaryUser, AWritableFileInAFolderThatTakesNoNewFileIsWrittenInPlace) {
  folder.write("rw.cnt", patterned(50));
  own(folder.path() / "rw.cnt", 0644);
  // The folder stays root's, or becomes read-only for its owner.
  ASSERT_EQ(::chmod(folder.path().c_str(), ::geteuid() == 0 ? 0755 : 0555), 0);
  EXPECT_EQ(write(folder.file("rw.cnt"), patterned(20)), kWritten);
  EXPECT_EQ(write(folder.file("new.cnt"), patterned(20)), kRefused);
  ::chmod(folder.path().c_str(), 0755);
  EXPECT_EQ(test::readFile(folder.path() / "rw.cnt"), patterned(20));
}

TEST(WriteWholeFile, ACrashDuringASaveLeavesNothingOnceTheNextSaveIsDone) {
  test::TempFolder folder;
  const auto path = folder.write("big.cnt", patterned(10));
  folder.write(".big.cnt.Ab3dE9", patterned(10));  // as a run killed by an older version left
  folder.write(".other.cnt.Ab3dE9", patterned(10));
  const pid_t child = ::fork();
  if (child == 0) {
    auto file = platform::fileSystem().beginReplacing(path);
    if (file && file->write(patterned(100000))) ::raise(SIGKILL);
    ::_exit(1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(test::readFile(folder.path() / "big.cnt"), patterned(10));

  ASSERT_TRUE(writeWholeFile(path, patterned(20)));
  EXPECT_EQ(entriesIn(folder.path()), 2u);  // the file and the other target's temporary
  EXPECT_TRUE(std::filesystem::exists(folder.path() / ".other.cnt.Ab3dE9"));
}

#endif

}  // namespace
}  // namespace qel
