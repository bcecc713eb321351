#include "container/container_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "container/container_format.h"
#include "tests/support/container_fixtures.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/stopping_progress.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::completeRecord;
using test::largeRecord;

// ---- Saving ----

TEST(SerializeContainer, WritesTheBuiltFileWithTheGivenTimeAndSeed) {
  test::TempFolder folder;
  ContainerRecord record = largeRecord();
  ASSERT_TRUE(serializeContainer(record, folder.file("a.cnt"), 0xFF123456, 1'234'567).ok());
  const Bytes file = test::readFile(folder.path() / "a.cnt");
  EXPECT_EQ(scrambleSeedOf(file), 0x123456);
  record.createdTime = 1'234'567;
  EXPECT_EQ(*serializeContainerBytes(record, 0x123456), file);
}

TEST(SerializeContainer, APieceThatFailsKeepsTheEarlierFileAndLeavesNothing) {
  test::TempFolder folder;
  const Bytes earlier = *serializeContainerBytes(completeRecord(), 1);
  const auto path = folder.write("a.cnt", earlier);
  test::FaultyFileSystem files;
  files.faults.writeFailsAfter = 1'500'000;
  ContainerRecord record = largeRecord();
  EXPECT_FALSE(serializeContainer(record, path, 1, 42).ok());
  EXPECT_EQ(test::readFile(folder.path() / "a.cnt"), earlier);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(SerializeContainer, TellsEachBlockWrittenAndACancelKeepsTheEarlierFile) {
  test::TempFolder folder;
  const Bytes earlier = *serializeContainerBytes(completeRecord(), 1);
  const auto path = folder.write("a.cnt", earlier);
  const ContainerRecord record = largeRecord();
  test::StoppingProgress cancelling;
  EXPECT_EQ(serializeContainer(record, path, 1, 42, cancelling).refusal,
            ContainerSave::Refusal::Cancelled);
  EXPECT_EQ(test::readFile(folder.path() / "a.cnt"), earlier);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1);

  test::StoppingProgress watching(1.0);
  ASSERT_TRUE(serializeContainer(record, path, 1, 42, watching).ok());
  EXPECT_GT(watching.calls, 1);
  EXPECT_EQ(watching.lastDone, std::filesystem::file_size(folder.path() / "a.cnt"));
  EXPECT_EQ(watching.lastTotal, watching.lastDone);
}

// ---- Opening ----

TEST(OpenContainerFile, LoadsASavedFileWhateverPiecesTheReadsGive) {
  test::TempFolder folder;
  ContainerRecord saved = largeRecord();
  saved.createdTime = 5;
  ASSERT_TRUE(serializeContainer(saved, folder.file("a.cnt"), 4711, 5).ok());
  test::FaultyFileSystem files;
  files.faults.largestRead = 100'003;
  ContainerRecord record = completeRecord();
  const ContainerFileOpening opening = openContainerFile(record, folder.file("a.cnt"));
  EXPECT_EQ(opening.refusal, ContainerFileRefusal::None);
  EXPECT_EQ(opening.seed, 4711);
  EXPECT_EQ(opening.fileSize, std::filesystem::file_size(folder.path() / "a.cnt"));
  EXPECT_EQ(record, saved);
}

TEST(OpenContainerFile, RefusalsLeaveTheRecordAsItWas) {
  test::TempFolder folder;
  const Bytes file = *serializeContainerBytes(largeRecord(), 3);
  folder.write("damaged.cnt", Bytes(file.begin(), file.end() - 1));
  folder.write("good.cnt", file);
  folder.write("picture.cnt", test::pngOf(8, 8));
  folder.write("empty.cnt", {});
  // As large as the limit without taking the room.
  folder.write("huge.cnt", {});
  std::filesystem::resize_file(folder.path() / "huge.cnt", kContainerFileLimit);

  test::FaultyFileSystem files;
  const ContainerRecord original = completeRecord();
  const auto expectRefused = [&](const char* name, ContainerFileRefusal refusal) {
    ContainerRecord record = original;
    EXPECT_EQ(openContainerFile(record, folder.file(name)).refusal, refusal) << name;
    EXPECT_EQ(record, original) << name;
  };
  expectRefused("missing.cnt", ContainerFileRefusal::Unreadable);
  expectRefused("empty.cnt", ContainerFileRefusal::Unreadable);
  expectRefused("huge.cnt", ContainerFileRefusal::TooLarge);
  expectRefused("picture.cnt", ContainerFileRefusal::NotAContainer);
  expectRefused("damaged.cnt", ContainerFileRefusal::Damaged);
  files.faults.readFailsAfter = 2'000'000;
  expectRefused("good.cnt", ContainerFileRefusal::Unreadable);
}

}  // namespace
}  // namespace qel
