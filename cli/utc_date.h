#pragma once

#include <cstdint>
#include <string>

namespace qel::cli {

// "YYYY-MM-DD hh:mm:ss UTC" for seconds since 1970; outside the years 1 to 9999 the plain
// number of seconds.
std::string formatUtcDate(std::int64_t seconds);

}  // namespace qel::cli
