#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include "platform/os.h"

namespace qel::platform {
namespace {

// FILETIME counts 100-nanosecond steps since 1601-01-01.
constexpr std::int64_t kFileTimeAt1970 = 116444736000000000;
constexpr std::int64_t kFileTimeStepsPerSecond = 10000000;

class Win32Clock final : public Clock {
 public:
  std::uint32_t tickMilliseconds() override { return ::timeGetTime(); }

  std::int64_t calendarSeconds() override {
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const auto steps = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
    return (steps - kFileTimeAt1970) / kFileTimeStepsPerSecond;
  }
};

}  // namespace

Clock& systemClock() {
  static Win32Clock clock;
  return clock;
}

}  // namespace qel::platform
