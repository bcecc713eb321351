// The save policy on each file system it runs on: the system's own (POSIX or Win32) and the
// fault double passing every call through.
#include "container/file_replacement.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <optional>
#include <thread>

#include "container/temporary_file.h"
#include "container/whole_file.h"
#include "platform/os.h"
#include "tests/support/allocation_limit.h"
#include "tests/support/container_fixtures.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

namespace fs = std::filesystem;
using platform::WriteFailure;
using platform::WriteReason;
using test::namesIn;
using test::patterned;
using Names = std::vector<std::string>;

enum class Backend { System, FaultDouble };

class Replacing : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    if (GetParam() == Backend::FaultDouble) faulty_.emplace();
  }

  test::TempFolder folder;

 private:
  std::optional<test::FaultyFileSystem> faulty_;
};

std::string nameOf(const ::testing::TestParamInfo<Backend>& info) {
  return info.param == Backend::System ? "System" : "FaultDouble";
}
const auto kBackends = ::testing::Values(Backend::System, Backend::FaultDouble);

INSTANTIATE_TEST_SUITE_P(FileSystems, Replacing, kBackends, nameOf);

TEST_P(Replacing, WritesExactlyTheGivenBytesAndLeavesOnlyTheFile) {
  const auto path = folder.file("out.bin");
  ASSERT_TRUE(writeWholeFile(path, patterned(10000)));
  ASSERT_TRUE(writeWholeFile(path, patterned(4097)));
  EXPECT_EQ(test::readFile(folder.path() / "out.bin"), patterned(4097));
  ASSERT_TRUE(writeWholeFile(path, {}));
  EXPECT_EQ(fs::file_size(folder.path() / "out.bin"), 0u);
  EXPECT_EQ(namesIn(folder.path()), Names{"out.bin"});
}

TEST_P(Replacing, TheLongestNameIsSavedAlsoAsABareName) {
  // No room is left for a longer temporary name; the command-line tool passes bare names.
  const std::string longest(255, 'n');
  ASSERT_TRUE(writeWholeFile(folder.file(longest), patterned(10)));
  EXPECT_EQ(test::readFile(folder.path() / longest), patterned(10));
  const auto previous = fs::current_path();
  fs::current_path(folder.path());
  const bool bare = writeWholeFile(std::u16string(longest.begin(), longest.end()), patterned(20));
  fs::current_path(previous);
  EXPECT_TRUE(bare);
  EXPECT_EQ(test::readFile(folder.path() / longest), patterned(20));
  EXPECT_EQ(namesIn(folder.path()), Names{longest});
}

TEST_P(Replacing, AMissingFolderIsRefusedWithItsCause) {
  WriteFailure why = WriteReason::None;
  EXPECT_FALSE(writeWholeFile(folder.file("missing/out.bin"), patterned(10), &why));
  EXPECT_EQ(why, WriteReason::FolderMissing);
  EXPECT_EQ(replacementModeOf(folder.file("missing/out.bin")), ReplacementMode::Refused);
  EXPECT_TRUE(namesIn(folder.path()).empty());
}

TEST_P(Replacing, AReadOnlyFileIsRefusedEvenForRootAndKept) {
  const auto path = folder.write("ro.cnt", patterned(10));
  const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(folder.path() / "ro.cnt", readOnly);
  WriteFailure why = WriteReason::None;
  EXPECT_FALSE(writeWholeFile(path, patterned(20), &why));
  EXPECT_EQ(why, WriteReason::ReadOnly);
  fs::permissions(folder.path() / "ro.cnt", fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(test::readFile(folder.path() / "ro.cnt"), patterned(10));
  EXPECT_EQ(namesIn(folder.path()), Names{"ro.cnt"});
}

TEST_P(Replacing, OnlyOurOwnUnusedTemporariesAreSwept) {
  const auto path = folder.write("real.cnt", patterned(10));
  // The last ones are named as our temporaries were and nearly as they are.
  const Names others = {".real.cnt.backup",
                        ".real.cnt.old123",
                        "~real.cnt.0badf00d",
                        ".other.cnt.qelcontainer-save-0123456789abcdef",
                        ".real.cnt.qelcontainer-save-0123456789ABCDEF",
                        ".real.cnt.qelcontainer-save-abc",
                        ".real.cnt.qeltmp-abcdefgh"};
  for (const auto& name : others) folder.write(name, patterned(5));

  ASSERT_TRUE(writeWholeFile(path, patterned(20)));
  Names expected = others;
  expected.push_back("real.cnt");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(namesIn(folder.path()), expected);
}

TEST_P(Replacing, ATemporaryInUseIsNotSwept) {
  const auto path = folder.write("real.cnt", patterned(10));
  WriteFailure why = WriteReason::None;
  auto live = TemporaryFile::create(*platform::fileSystem().resolve(path), why);
  ASSERT_TRUE(live);
  ASSERT_TRUE(writeWholeFile(path, patterned(20)));
  EXPECT_EQ(namesIn(folder.path()).size(), 2u);
  live.reset();
  EXPECT_EQ(namesIn(folder.path()), Names{"real.cnt"});
}

TEST_P(Replacing, ConcurrentSavesToOneFileAllSucceed) {
  const auto path = folder.file("shared.cnt");
  // The cause of the first failed save, None when all succeeded.
  const auto saves = [&path](std::uint8_t seed) {
    WriteFailure first = WriteReason::None;
    for (int i = 0; i < 25; ++i) {
      WriteFailure why = WriteReason::None;
      if (!writeWholeFile(path, patterned(20000, seed), &why) && first == WriteReason::None) {
        first = why;
      }
    }
    return first;
  };
  WriteFailure second = WriteReason::None;
  std::thread other([&] { second = saves(2); });
  const WriteFailure first = saves(1);
  other.join();
  EXPECT_EQ(first, WriteReason::None);
  EXPECT_EQ(second, WriteReason::None);
  const Bytes last = test::readFile(folder.path() / "shared.cnt");
  EXPECT_TRUE(last == patterned(20000, 1) || last == patterned(20000, 2));
  EXPECT_EQ(namesIn(folder.path()), Names{"shared.cnt"});
}

// Makes a symbolic link at link to target; false where none can be made.
bool linked(const fs::path& target, const fs::path& link) {
  std::error_code error;
  fs::create_symlink(target, link, error);
  return !error && fs::is_symlink(link);
}

TEST_P(Replacing, ASymbolicLinkStaysALinkAndItsFileGetsTheBytes) {
  folder.write("real.cnt", patterned(10));
  fs::create_directory(folder.path() / "links");
  if (!linked("../real.cnt", folder.path() / "links" / "link.cnt")) {
    GTEST_SKIP() << "no symbolic link can be made here";
  }
  auto file = beginReplacing(folder.file("links/link.cnt"));
  ASSERT_TRUE(file && file->write(patterned(30)) && file->commit());
  EXPECT_TRUE(fs::is_symlink(folder.path() / "links" / "link.cnt"));
  EXPECT_EQ(test::readFile(folder.path() / "real.cnt"), patterned(30));
  EXPECT_EQ(namesIn(folder.path() / "links"), Names{"link.cnt"});
}

// A link planted under an output's name, to a file or to none yet, leads nowhere.
TEST_P(Replacing, AWholeFileReplacesALinkAtItsNameAndLeavesWhatItNamed) {
  folder.write("theirs.png", patterned(10));
  fs::create_directory(folder.path() / "out");
  if (!linked("../theirs.png", folder.path() / "out" / "a.png") ||
      !linked("../planted.png", folder.path() / "out" / "b.png")) {
    GTEST_SKIP() << "no symbolic link can be made here";
  }
  for (const char* name : {"out/a.png", "out/b.png"}) {
    ASSERT_TRUE(writeWholeFile(folder.file(name), patterned(30))) << name;
    EXPECT_FALSE(fs::is_symlink(folder.path() / name)) << name;
    EXPECT_EQ(test::readFile(folder.path() / name), patterned(30)) << name;
  }
  EXPECT_EQ(test::readFile(folder.path() / "theirs.png"), patterned(10));
  EXPECT_FALSE(fs::exists(folder.path() / "planted.png"));
}

#ifndef _WIN32  // modes, owners, processes and backslashes as POSIX has them
constexpr uid_t kNobody = 65534;

TEST_P(Replacing, ABackslashIsAnOrdinaryCharacterOfAName) {
  folder.write("a/b.cnt", patterned(10));
  ASSERT_TRUE(writeWholeFile(folder.file("a\\b.cnt"), patterned(20)));
  EXPECT_EQ(test::readFile(folder.path() / "a" / "b.cnt"), patterned(10));
  EXPECT_EQ(readWholeFile(folder.file("a\\b.cnt")), patterned(20));
}

TEST_P(Replacing, TheFileKeepsItsModeAndOwner) {
  const auto path = folder.write("kept.cnt", patterned(10));
  const std::string native = test::utf8Of(folder.path() / "kept.cnt");
  ASSERT_EQ(::chmod(native.c_str(), 0640), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(native.c_str(), kNobody, kNobody), 0);
  }
  ASSERT_TRUE(writeWholeFile(path, patterned(20)));
  struct stat info {};
  ASSERT_EQ(::stat(native.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(info.st_uid, kNobody);
  }
}

// Swept before the next save writes, so that its room is there even for a save that then
// finds the disk full.
TEST_P(Replacing, AKilledSaveLeavesTheEarlierFileAndTheNextSaveSweepsItsTemporary) {
  const auto path = folder.write("big.cnt", patterned(10));
  const pid_t child = ::fork();
  if (child == 0) {
    auto file = beginReplacing(path);
    if (file && file->write(patterned(100000))) ::raise(SIGKILL);
    ::_exit(1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(test::readFile(folder.path() / "big.cnt"), patterned(10));
  EXPECT_EQ(namesIn(folder.path()).size(), 2u);
  {
    test::FaultyFileSystem full;
    full.faults.writeFailsAfter = 1000;
    full.faults.cause = WriteReason::DiskFull;
    EXPECT_FALSE(writeWholeFile(path, patterned(5000)));
  }
  EXPECT_EQ(namesIn(folder.path()), Names{"big.cnt"});
  EXPECT_EQ(test::readFile(folder.path() / "big.cnt"), patterned(10));
}

// Root writes whatever the modes say, so these run in a child process as nobody when the
// tests run as root.
class AsOrdinaryUser : public Replacing {
 protected:
  enum Outcome { kWritten, kRefused, kInPlace, kNotRun };

  // Gives a path of the folder to the user the writes run as.
  void own(const fs::path& path, mode_t mode) {
    if (::geteuid() == 0) {
      ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
  }

  // Runs in a child: asks how the save would go, then saves.
  static Outcome write(const std::u16string& path, const Bytes& bytes) {
    const pid_t child = ::fork();
    if (child == 0) {
      if (::geteuid() == 0 &&
          (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
        ::_exit(kNotRun);
      }
      const bool inPlace = replacementModeOf(path) == ReplacementMode::InPlace;
      if (!writeWholeFile(path, bytes)) ::_exit(kRefused);
      ::_exit(inPlace ? kInPlace : kWritten);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return kNotRun;
    return static_cast<Outcome>(WEXITSTATUS(status));
  }
};

INSTANTIATE_TEST_SUITE_P(FileSystems, AsOrdinaryUser, kBackends, nameOf);

// Of the earlier file only the front that the new content covers is held to undo a failure.
TEST(InPlaceReplacement, ASmallSaveOverAHugeFileHoldsLittle) {
  test::TempFolder folder;
  const auto path = folder.write("huge.cnt", patterned(10));
  fs::resize_file(folder.path() / "huge.cnt", std::uintmax_t{3} << 30);
  test::FaultyFileSystem files;
  files.faults.newFilesRefused = true;
  {
    test::AllocationLimit limit(std::size_t{64} << 20);
    auto file = beginReplacing(path);
    ASSERT_TRUE(file && file->write(patterned(1000)) && file->commit());
  }
  EXPECT_EQ(test::readFile(folder.path() / "huge.cnt"), patterned(1000));
}

TEST_P(AsOrdinaryUser, AFileTheUserMayNotWriteIsRefusedAndLeftAsItWas) {
  own(folder.path(), 0777);
  folder.write("theirs.cnt", patterned(10));
  ASSERT_EQ(::chmod((folder.path() / "theirs.cnt").c_str(), 0644), 0);  // root's, if root
  if (::geteuid() != 0) own(folder.path() / "theirs.cnt", 0444);
  EXPECT_EQ(write(folder.file("theirs.cnt"), patterned(20)), kRefused);
  EXPECT_EQ(test::readFile(folder.path() / "theirs.cnt"), patterned(10));
  EXPECT_EQ(namesIn(folder.path()), Names{"theirs.cnt"});
}

TEST_P(AsOrdinaryUser, AWritableFileInAFolderThatTakesNoNewFileIsWrittenInPlace) {
  folder.write("rw.cnt", patterned(50));
  own(folder.path() / "rw.cnt", 0644);
  // The folder stays root's, or becomes read-only for its owner.
  ASSERT_EQ(::chmod(folder.path().c_str(), ::geteuid() == 0 ? 0755 : 0555), 0);
  EXPECT_EQ(write(folder.file("rw.cnt"), patterned(20)), kInPlace);
  EXPECT_EQ(write(folder.file("new.cnt"), patterned(20)), kRefused);
  ::chmod(folder.path().c_str(), 0755);
  EXPECT_EQ(test::readFile(folder.path() / "rw.cnt"), patterned(20));
}
#endif

}  // namespace
}  // namespace qel
