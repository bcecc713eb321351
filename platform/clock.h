#pragma once

#include <cstdint>

namespace qel::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since some fixed moment; wraps around.
  virtual std::uint32_t tickMilliseconds() = 0;
  // Seconds since 1970-01-01 00:00 UTC.
  virtual std::int64_t calendarSeconds() = 0;
};

}  // namespace qel::platform
