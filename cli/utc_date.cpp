#include "cli/utc_date.h"

#include <cstdio>

namespace qel::cli {
namespace {
constexpr std::int64_t kFirstSecond = -62135596800;  // 0001-01-01 00:00:00
constexpr std::int64_t kLastSecond = 253402300799;   // 9999-12-31 23:59:59
constexpr std::int64_t kSecondsPerDay = 86400;
}  // namespace

std::string formatUtcDate(std::int64_t seconds) {
  if (seconds < kFirstSecond || seconds > kLastSecond) return std::to_string(seconds) + " s";
  std::int64_t days = seconds / kSecondsPerDay;
  std::int64_t inDay = seconds % kSecondsPerDay;
  if (inDay < 0) {
    inDay += kSecondsPerDay;
    --days;
  }
  // Civil date from days since 1970-01-01, in eras of 400 years starting on 1 March.
  const std::int64_t z = days + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const std::int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
  const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

  char text[160];  // room for any long long, though the range above needs 23
  std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld UTC",
                static_cast<long long>(year), static_cast<long long>(month),
                static_cast<long long>(day), static_cast<long long>(inDay / 3600),
                static_cast<long long>(inDay / 60 % 60), static_cast<long long>(inDay % 60));
  return text;
}

}  // namespace qel::cli
