#include "cli/utc_date.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(FormatUtcDate, CalendarDatesAndTheirLimits) {
  EXPECT_EQ(cli::formatUtcDate(0), "1970-01-01 00:00:00 UTC");
  EXPECT_EQ(cli::formatUtcDate(-1), "1969-12-31 23:59:59 UTC");
  EXPECT_EQ(cli::formatUtcDate(951782400), "2000-02-29 00:00:00 UTC");
  EXPECT_EQ(cli::formatUtcDate(253402300799), "9999-12-31 23:59:59 UTC");
  EXPECT_EQ(cli::formatUtcDate(-62135596800), "0001-01-01 00:00:00 UTC");
  EXPECT_EQ(cli::formatUtcDate(253402300800), "253402300800 s");
  EXPECT_EQ(cli::formatUtcDate(INT64_MIN), "-9223372036854775808 s");
}

}  // namespace
}  // namespace qel
