#pragma once

#include <cstdint>

#include "base/progress.h"

namespace qel::test {

// A Progress whose watcher presses キャンセル once the work has come past stopAt of its
// total (past 0: at the first step); it remembers the last step it was told of.
class StoppingProgress : public Progress {
 public:
  explicit StoppingProgress(double stopAt = 0.0) : stopAt_(stopAt) {}

  bool advance(std::uint64_t done, std::uint64_t total) override {
    ++calls;
    lastDone = done;
    lastTotal = total;
    stopped = stopped || static_cast<double>(done) > stopAt_ * static_cast<double>(total);
    return !stopped;
  }

  int calls = 0;
  std::uint64_t lastDone = 0;
  std::uint64_t lastTotal = 0;
  bool stopped = false;

 private:
  double stopAt_;
};

}  // namespace qel::test
