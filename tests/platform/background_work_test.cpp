#include "platform/background_work.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <new>
#include <thread>

namespace qel::platform {
namespace {

TEST(BackgroundWork, TellsProgressPassesTheCancelOnAndHandsBackWhatTheWorkThrew) {
  std::atomic<bool> stopped = false;
  BackgroundWork looping([&stopped](Progress& progress) {
    while (progress.advance(1, 4)) std::this_thread::yield();
    stopped = true;
  });
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (looping.permille() != 250 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::yield();
  }
  EXPECT_EQ(looping.permille(), 250);
  looping.cancel();
  EXPECT_EQ(looping.finish(), WorkOutcome::Cancelled);
  EXPECT_TRUE(stopped);

  BackgroundWork throwing([](Progress&) { throw std::bad_alloc(); });
  EXPECT_THROW(throwing.finish(), std::bad_alloc);

  BackgroundWork quick([](Progress&) {});
  EXPECT_TRUE(quick.waitFor(std::chrono::seconds(10)));
  EXPECT_EQ(quick.finish(), WorkOutcome::Completed);
}

}  // namespace
}  // namespace qel::platform
