#include "base/progress.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace qel {
namespace {

class RecordedProgress : public Progress {
 public:
  bool advance(std::uint64_t done, std::uint64_t total) override {
    seen.emplace_back(done, total);
    return goOn;
  }
  std::vector<std::pair<std::uint64_t, std::uint64_t>> seen;
  bool goOn = true;
};

TEST(ProgressStageTest, FillsItsShareOfTheWholeAndPassesTheCancelOn) {
  RecordedProgress whole;
  ProgressStage stage(whole, 200, 600, 1000);
  EXPECT_TRUE(stage.advance(0, 4));
  EXPECT_TRUE(stage.advance(1, 4));
  EXPECT_TRUE(stage.advance(9, 4));  // more than its total stays at its end
  EXPECT_TRUE(stage.advance(0, 0));  // nothing to do is done
  whole.goOn = false;
  EXPECT_FALSE(stage.advance(2, 4));
  using Seen = std::vector<std::pair<std::uint64_t, std::uint64_t>>;
  EXPECT_EQ(whole.seen, (Seen{{200, 1000}, {300, 1000}, {600, 1000}, {600, 1000}, {400, 1000}}));
}

}  // namespace
}  // namespace qel
