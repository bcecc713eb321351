#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "base/utf.h"
#include "container/whole_file.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

const Bytes kOld = {'o', 'l', 'd'};
const Bytes kNew = {'n', 'e', 'w', '!'};

std::size_t entriesIn(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator()));
}

TEST(Win32FileSystem, JapaneseNamesReachTheDiskAsTheyAre) {
  test::TempFolder folder;
  const std::u16string path = folder.file("コンテナ車両.cnt");
  ASSERT_TRUE(writeWholeFile(path, kNew));
  ASSERT_EQ(entriesIn(folder.path()), 1u);
  EXPECT_EQ(std::filesystem::directory_iterator(folder.path())->path().filename().u16string(),
            u"コンテナ車両.cnt");
  EXPECT_EQ(readWholeFile(path), kNew);
}

TEST(Win32FileSystem, ReadOnlyTargetIsRefusedAndKept) {
  test::TempFolder folder;
  const std::u16string path = folder.write("ro.cnt", kOld);
  const std::wstring wide(path.begin(), path.end());
  ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(writeWholeFile(path, kNew));
  ::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(readWholeFile(path), kOld);
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

// The rename over a target that another program holds open fails: the old content stays
// whole and the temporary goes.
TEST(Win32FileSystem, FailedReplaceKeepsTheTargetAndLeavesNoTemporary) {
  test::TempFolder folder;
  const std::u16string path = folder.write("held.cnt", kOld);
  const std::wstring wide(path.begin(), path.end());
  const HANDLE held = ::CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(writeWholeFile(path, kNew));
  ::CloseHandle(held);
  EXPECT_EQ(readWholeFile(path), kOld);
  EXPECT_EQ(entriesIn(folder.path()), 1u);

  EXPECT_TRUE(writeWholeFile(path, kNew));
  EXPECT_EQ(readWholeFile(path), kNew);
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(Win32FileSystem, PipesAndFoldersAreNotReadAsFiles) {
  test::TempFolder folder;
  std::filesystem::create_directory(folder.path() / "sub.cnt");
  EXPECT_FALSE(readWholeFile(folder.file("sub.cnt")));
  EXPECT_FALSE(writeWholeFile(folder.file("sub.cnt"), kNew));
  const HANDLE pipe = ::CreateNamedPipeW(L"\\\\.\\pipe\\qel-test", PIPE_ACCESS_OUTBOUND,
                                         PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(readWholeFile(u"\\\\.\\pipe\\qel-test"));
  ::CloseHandle(pipe);
}

}  // namespace
}  // namespace qel
