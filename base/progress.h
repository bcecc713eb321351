#pragma once

#include <algorithm>
#include <cstdint>

#include "base/result.h"

namespace qel {

// Long work tells how far it has come and learns whether it is to go on, without knowing
// who watches: a desktop program's progress box, or nobody. Work calls advance between
// batches (a block written, a stretch of a file read, an image decoded), never per byte,
// and may call it from a thread of its own.
class Progress {
 public:
  virtual ~Progress() = default;
  // done of total steps are behind; answers false once the work is to stop, and from then
  // on. Work that stops leaves what it was given as it was and answers kCancelled.
  virtual bool advance(std::uint64_t done, std::uint64_t total) = 0;
};

// What work answers when its Progress told it to stop.
inline constexpr Result kCancelled = static_cast<Result>(0x800704C7u);  // ERROR_CANCELLED

// Nobody watches and nobody cancels: for the command line and the tests.
inline Progress& noProgress() {
  class Unwatched final : public Progress {
   public:
    bool advance(std::uint64_t, std::uint64_t) override { return true; }
  };
  static Unwatched unwatched;
  return unwatched;
}

// A stage of a longer work: its steps, whatever their count, fill the steps from..to of
// the whole's total.
class ProgressStage final : public Progress {
 public:
  ProgressStage(Progress& whole, std::uint64_t from, std::uint64_t to, std::uint64_t total)
      : whole_(whole), from_(from), to_(std::max(from, to)), total_(total) {}

  bool advance(std::uint64_t done, std::uint64_t total) override {
    const double part = total == 0 ? 1.0 : static_cast<double>(std::min(done, total)) / total;
    return whole_.advance(from_ + static_cast<std::uint64_t>(part * (to_ - from_)), total_);
  }

 private:
  Progress& whole_;
  std::uint64_t from_;
  std::uint64_t to_;
  std::uint64_t total_;
};

}  // namespace qel
