#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "platform/ui.h"

namespace qel::platform {

// The part of runWithProgress that every front end shares: the work on a thread of its own,
// how far it has come, its cancel and its end. The front end's box polls it from the UI
// thread.
class BackgroundWork {
 public:
  // Starts work at once.
  explicit BackgroundWork(const LongWork& work);
  // Cancels work that has not ended and waits for it.
  ~BackgroundWork();
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;

  // Waits at most timeout for the work to end; answers whether it has.
  bool waitFor(std::chrono::milliseconds timeout);
  bool ended() const { return ended_; }
  // The work has run for kProgressBoxDelay and goes on.
  bool boxDue() const;
  // Of the work's own total, as its Progress was last told, in thousandths.
  int permille() const { return permille_; }
  void cancel() { cancelled_ = true; }
  bool cancelled() const { return cancelled_; }
  // Waits for the work and answers how it ended; rethrows what it threw.
  WorkOutcome finish();

 private:
  class Watch;

  const std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  std::atomic<bool> cancelled_ = false;
  std::atomic<bool> ended_ = false;
  std::atomic<int> permille_ = 0;
  std::exception_ptr thrown_;
  std::mutex mutex_;
  std::condition_variable endedSignal_;
  std::thread thread_;  // last: started once everything above is made
};

}  // namespace qel::platform
