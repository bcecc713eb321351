#pragma once

#include <cstdint>

namespace qel {

// Operations answer 0 for success and the platform's generic failure code otherwise;
// callers only ask whether a result is negative.
using Result = std::int32_t;

inline constexpr Result kSuccess = 0;
inline constexpr Result kFailure = static_cast<Result>(0x80004005u);  // E_FAIL

constexpr bool failed(Result r) {
  return r < 0;
}

}  // namespace qel
