#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "container/whole_file.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

const Bytes kContent = {'l', 'o', 'n', 'g'};

// Folders under base deep enough that a file in the last makes a path of exactly units
// UTF-16 units; made and removed with the \\?\ form, which std::filesystem does not use.
class DeepFolders {
 public:
  DeepFolders(std::u16string base, std::size_t units) {
    std::u16string path = std::move(base);
    while (units - path.size() > 200 + 1 + 20) {
      path += u'\\' + std::u16string(200, u'f');
      ::CreateDirectoryW(wide(path).c_str(), nullptr);
      folders_.push_back(path);
    }
    file_ = path + u'\\' + std::u16string(units - path.size() - 5, u'n') + u".cnt";
  }
  ~DeepFolders() {
    ::DeleteFileW(wide(file_).c_str());
    for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) {
      ::RemoveDirectoryW(wide(*folder).c_str());
    }
  }
  DeepFolders(const DeepFolders&) = delete;
  DeepFolders& operator=(const DeepFolders&) = delete;

  const std::u16string& file() const { return file_; }

 private:
  static std::wstring wide(const std::u16string& path) {
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
  }

  std::vector<std::u16string> folders_;
  std::u16string file_;
};

TEST(Win32LongPaths, FilesBeyondThePlainPathLengthAreWrittenAndRead) {
  test::TempFolder folder;
  for (const std::size_t units : {300u, 1000u}) {
    const DeepFolders deep(std::filesystem::absolute(folder.path()).make_preferred().u16string(),
                           units);
    ASSERT_EQ(deep.file().size(), units);
    EXPECT_TRUE(writeWholeFile(deep.file(), kContent)) << units;
    EXPECT_EQ(readWholeFile(deep.file()), kContent) << units;
  }
}

}  // namespace
}  // namespace qel
