#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/bytes.h"
#include "platform/web/memory_files.h"

namespace qel::platform {
namespace {

class MemoryFileSystemTest : public ::testing::Test {
 protected:
  MemoryFileSystemTest() {
    files_->onWritten([this](std::u16string_view path, std::span<const std::uint8_t> bytes) {
      written_.push_back({std::u16string(path), Bytes(bytes.begin(), bytes.end())});
    });
  }

  std::unique_ptr<WritableFile> open(std::u16string_view path, OpenMode mode) {
    WriteFailure why = WriteReason::None;
    return files_->openForWriting(path, mode, why);
  }

  struct Written {
    std::u16string path;
    Bytes bytes;
  };
  std::unique_ptr<MemoryFileSystem> files_ = makeMemoryFileSystem();
  std::vector<Written> written_;
};

TEST_F(MemoryFileSystemTest, AnnouncesAReplacementUnderItsTargetOnlyOnceItIsWhole) {
  const Bytes bytes = {1, 2, 3};
  {
    auto temporary = open(u"/part.tmp", OpenMode::CreateNew);
    ASSERT_EQ(temporary->write(bytes), WriteReason::None);
    EXPECT_TRUE(written_.empty());
    ASSERT_EQ(temporary->replace(u"/part.cnt"), WriteReason::None);
  }
  ASSERT_EQ(written_.size(), 1u);
  EXPECT_EQ(written_[0].path, u"/part.cnt");
  EXPECT_EQ(written_[0].bytes, bytes);
  EXPECT_EQ(files_->inspect(u"/part.tmp").kind, FileState::Kind::Missing);
}

TEST_F(MemoryFileSystemTest, AnnouncesNoTemporaryLeftBehind) {
  const Bytes bytes = {1, 2, 3};
  { ASSERT_EQ(open(u"/part.tmp", OpenMode::CreateNew)->write(bytes), WriteReason::None); }
  EXPECT_TRUE(written_.empty());
}

TEST_F(MemoryFileSystemTest, AnnouncesAFileWrittenInPlaceWhenItsWriterCloses) {
  files_->make(u"/part.cnt", 2);
  {
    auto file = open(u"/part.cnt", OpenMode::Existing);
    ASSERT_EQ(file->write(Bytes{7}), WriteReason::None);
    EXPECT_TRUE(written_.empty());
  }
  ASSERT_EQ(written_.size(), 1u);
  EXPECT_EQ(written_[0].bytes, (Bytes{7, 0}));
}

TEST_F(MemoryFileSystemTest, KeepsAFileBeingMadeFromRemoveIfUnused) {
  auto made = open(u"/part.tmp", OpenMode::CreateNew);
  EXPECT_FALSE(files_->removeIfUnused(u"/part.tmp"));
  made.reset();
  EXPECT_TRUE(files_->removeIfUnused(u"/part.tmp"));
}

TEST_F(MemoryFileSystemTest, ReadsBackWhatTheAuthorDroppedAndTellsItsFolder) {
  std::uint8_t* room = files_->make(u"/1/models/box.obj", 3);
  ASSERT_NE(room, nullptr);
  room[0] = 'v';
  auto reader = files_->openForReading(u"/1/models/box.obj");
  ASSERT_NE(reader, nullptr);
  std::uint8_t first[3] = {};
  EXPECT_EQ(reader->read(first), 3u);
  EXPECT_EQ(first[0], 'v');
  EXPECT_EQ(files_->listFolder(u"/1/"), std::vector<std::u16string>{u"models"});
  EXPECT_EQ(files_->inspect(u"/1/models").kind, FileState::Kind::NotAFile);
}

}  // namespace
}  // namespace qel::platform
