// Saves and opens with each of their I/O calls failing in turn, and saves stopped after each
// call as a kill stops them.
#include <gtest/gtest.h>

#include <functional>

#include "container/container_file.h"
#include "container/container_format.h"
#include "container/whole_file.h"
#include "tests/support/container_fixtures.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using platform::WriteFailure;
using platform::WriteReason;
using test::FaultyFileSystem;
using Names = std::vector<std::string>;

// Runs run once for each call n = 1, 2, ... with place putting the fault at call n, then
// after (if given) once the double is gone, until a run ends before reaching the fault;
// answers the number of calls swept and records it.
std::size_t sweep(const std::function<void(FaultyFileSystem::Faults&, std::size_t)>& place,
                  const std::function<void(std::size_t)>& run,
                  const std::function<void(std::size_t)>& after = {}) {
  for (std::size_t n = 1;; ++n) {
    bool reached = false;
    {
      FaultyFileSystem files;
      place(files.faults, n);
      run(n);
      reached = files.failed > 0;
    }
    if (after) after(n);
    if (!reached) {
      ::testing::Test::RecordProperty("calls_swept", static_cast<int>(n - 1));
      return n - 1;
    }
  }
}

void failAt(FaultyFileSystem::Faults& faults, std::size_t n) {
  faults.failingCall = n;
  faults.cause = WriteReason::DiskFull;
}

class SaveSweep : public ::testing::Test {
 protected:
  test::TempFolder folder;
  const Bytes earlier = *serializeContainerBytes(test::completeRecord(), 1);
  const std::u16string path = folder.write("a.cnt", earlier);

  // The file is the earlier or the new one, whole, and alone in its folder.
  void expectWhole(bool saved, const Bytes& now, std::size_t n) {
    EXPECT_EQ(test::readFile(folder.path() / "a.cnt"), saved ? now : earlier) << "call " << n;
    EXPECT_EQ(test::namesIn(folder.path()), Names{"a.cnt"}) << "call " << n;
  }
};

TEST_F(SaveSweep, AnyFailingCallOfASaveLeavesTheEarlierOrTheNewFileWhole) {
  ContainerRecord record = test::largeRecord();  // written in several pieces
  record.createdTime = 42;
  const Bytes now = *serializeContainerBytes(record, 7);
  const std::size_t swept = sweep(failAt, [&](std::size_t n) {
    // A call that fails nothing, such as the sweep of stale temporaries, lets a save through.
    folder.write("a.cnt", earlier);
    expectWhole(serializeContainer(record, path, 7, 42).ok(), now, n);
  });
  EXPECT_GT(swept, 5u);
}

TEST_F(SaveSweep, AnyFailingCallOfASaveInPlacePutsTheEarlierBytesBack) {
  const Bytes now = test::patterned(earlier.size() * 2);
  const auto inPlace = [](FaultyFileSystem::Faults& faults, std::size_t n) {
    failAt(faults, n);
    faults.newFilesRefused = true;
  };
  sweep(inPlace, [&](std::size_t n) {
    folder.write("a.cnt", earlier);
    WriteFailure why = WriteReason::None;
    const bool saved = writeWholeFile(path, now, &why);
    expectWhole(saved, now, n);
    EXPECT_EQ(why != WriteReason::None, !saved) << "call " << n;
  });
}

TEST_F(SaveSweep, ASaveKilledAfterAnyCallLeavesAWholeFileAndTheNextSaveNothingElse) {
  const Bytes now = test::patterned(earlier.size() + 10);
  const auto killAfter = [](FaultyFileSystem::Faults& faults, std::size_t n) {
    faults.lastCall = n;
  };
  sweep(
      killAfter,
      [&](std::size_t n) {
        writeWholeFile(path, now);
        const Bytes left = test::readFile(folder.path() / "a.cnt");
        EXPECT_TRUE(left == earlier || left == now) << "call " << n;
      },
      [&](std::size_t n) {  // the next start saves again
        ASSERT_TRUE(writeWholeFile(path, earlier));
        expectWhole(false, now, n);
      });
}

TEST(OpenSweep, AnyFailingCallOfAnOpenRefusesAndKeepsTheRecord) {
  test::TempFolder folder;
  ContainerRecord saved = test::largeRecord();  // read in several pieces
  const auto path = folder.write("a.cnt", *serializeContainerBytes(saved, 3));
  const ContainerRecord original = test::completeRecord();
  sweep(failAt, [&](std::size_t n) {
    ContainerRecord record = original;
    const ContainerFileRefusal refusal = openContainerFile(record, path).refusal;
    EXPECT_TRUE(refusal == ContainerFileRefusal::None ||
                refusal == ContainerFileRefusal::Unreadable)
        << "call " << n;
    EXPECT_EQ(record, refusal == ContainerFileRefusal::None ? saved : original) << "call " << n;
  });
}

}  // namespace
}  // namespace qel
