#include "frontends/web/page_progress.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "frontends/web/page.h"
#include "resources/shell_texts.h"

namespace qel::web {
namespace {

// How often the work gives the page a turn once the box shows: often enough for the bar to
// move and キャンセル to answer, seldom enough to cost the work little.
constexpr std::chrono::milliseconds kPageTurnInterval{50};

class PageProgress final : public Progress {
 public:
  PageProgress(std::u16string_view caption, std::u16string_view text)
      : caption_(caption), text_(text) {}
  ~PageProgress() override {
    if (boxShown_) pageCloseProgress();
  }
  PageProgress(const PageProgress&) = delete;
  PageProgress& operator=(const PageProgress&) = delete;

  bool advance(std::uint64_t done, std::uint64_t total) override {
    if (cancelled_) return false;
    const auto now = std::chrono::steady_clock::now();
    if (!boxShown_) {
      if (now - started_ < platform::kProgressBoxDelay) return true;
      const std::u16string_view cancel = resources::kCancelButton;
      pageOpenProgress(caption_.data(), caption_.size(), text_.data(), text_.size(), cancel.data(),
                       cancel.size());
      boxShown_ = true;
    } else if (now - lastTurn_ < kPageTurnInterval) {
      return true;
    }
    const double part =
        total == 0 ? 0.0 : static_cast<double>(std::min(done, total)) / static_cast<double>(total);
    cancelled_ = pageStepProgress(static_cast<int>(part * 1000.0)) != 0;
    lastTurn_ = std::chrono::steady_clock::now();
    return !cancelled_;
  }

  bool cancelled() const { return cancelled_; }

 private:
  std::u16string_view caption_;
  std::u16string_view text_;
  const std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point lastTurn_{};
  bool boxShown_ = false;
  bool cancelled_ = false;
};

}  // namespace

platform::WorkOutcome runWithPageProgress(std::u16string_view caption, std::u16string_view text,
                                          const platform::LongWork& work) {
  PageProgress progress(caption, text);
  work(progress);
  return progress.cancelled() ? platform::WorkOutcome::Cancelled : platform::WorkOutcome::Completed;
}

}  // namespace qel::web
