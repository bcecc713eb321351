#include <ctime>

#include "platform/os.h"

namespace qel::platform {
namespace {

class PosixClock final : public Clock {
 public:
  std::uint32_t tickMilliseconds() override {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
  }

  std::int64_t calendarSeconds() override { return static_cast<std::int64_t>(::time(nullptr)); }
};

}  // namespace

Clock& systemClock() {
  static PosixClock clock;
  return clock;
}

}  // namespace qel::platform
