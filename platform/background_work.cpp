#include "platform/background_work.h"

#include <algorithm>
#include <utility>

namespace qel::platform {

class BackgroundWork::Watch final : public Progress {
 public:
  explicit Watch(BackgroundWork& work) : work_(work) {}

  bool advance(std::uint64_t done, std::uint64_t total) override {
    if (total > 0) {
      const double part = static_cast<double>(std::min(done, total)) / static_cast<double>(total);
      work_.permille_ = static_cast<int>(part * 1000.0);
    }
    return !work_.cancelled_;
  }

 private:
  BackgroundWork& work_;
};

BackgroundWork::BackgroundWork(const LongWork& work)
    : thread_([this, work] {
        try {
          Watch watch(*this);
          work(watch);
        } catch (...) {
          thrown_ = std::current_exception();
        }
        const std::lock_guard lock(mutex_);
        ended_ = true;
        endedSignal_.notify_all();
      }) {}

BackgroundWork::~BackgroundWork() {
  if (!thread_.joinable()) return;
  cancel();
  thread_.join();
}

bool BackgroundWork::waitFor(std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return endedSignal_.wait_for(lock, timeout, [this] { return ended_.load(); });
}

bool BackgroundWork::boxDue() const {
  return !ended_ && std::chrono::steady_clock::now() - started_ >= kProgressBoxDelay;
}

WorkOutcome BackgroundWork::finish() {
  if (thread_.joinable()) thread_.join();
  if (thrown_) std::rethrow_exception(std::exchange(thrown_, nullptr));
  return cancelled_ ? WorkOutcome::Cancelled : WorkOutcome::Completed;
}

}  // namespace qel::platform
