#include "model/lenient_numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace qel {
namespace {

TEST(ReadDouble, ReadsTheLongestNumberAtTheStartLikeAtof) {
  EXPECT_EQ(readDouble("1.5"), 1.5);
  EXPECT_EQ(readDouble(" \t+2"), 2.0);
  EXPECT_EQ(readDouble("-.5e1x"), -5.0);
  EXPECT_EQ(readDouble("1e"), 1.0);
  EXPECT_EQ(readDouble("3,5"), 3.0);
  EXPECT_EQ(readDouble("0x10"), 16.0);
  EXPECT_EQ(readDouble("-0x1.8p1"), -3.0);
  EXPECT_EQ(readDouble("0x1p+-1"), 1.0);  // no exponent: a sign cannot follow a sign
  EXPECT_EQ(readDouble("0x"), 0.0);
  EXPECT_EQ(readDouble("0.1"), 0.1);
  // Digit runs that end on, before and after four-byte steps.
  EXPECT_EQ(readDouble("12345678"), 12345678.0);
  EXPECT_EQ(readDouble("1234567.8"), 1234567.8);
  EXPECT_EQ(readDouble("-0.001000"), -0.001);
  EXPECT_EQ(readDouble("12345678.12345678"), 12345678.12345678);
  EXPECT_EQ(readDouble("0.1234567890123456789"), 0.1234567890123456789);
  EXPECT_EQ(readDouble("1.5e3 tail"), 1500.0);
}

TEST(ReadDouble, GivesZeroWithoutANumber) {
  EXPECT_EQ(readDouble(""), 0.0);
  EXPECT_EQ(readDouble("abc"), 0.0);
  EXPECT_EQ(readDouble("--1"), 0.0);
  EXPECT_EQ(readDouble("+-1"), 0.0);
  EXPECT_EQ(readDouble("0x-1"), 0.0);
  // A sign alone gives +0, as atof gives it; "-0x" is the number -0.
  EXPECT_FALSE(std::signbit(readDouble("-")));
  EXPECT_FALSE(std::signbit(readDouble("-x")));
  EXPECT_TRUE(std::signbit(readDouble("-0x")));
  EXPECT_TRUE(std::signbit(readDouble("-0x.")));
}

TEST(ReadDouble, OverflowGivesInfinityAndUnderflowZero) {
  EXPECT_EQ(readDouble("1e999"), HUGE_VAL);
  EXPECT_EQ(readDouble("-123456e400"), -HUGE_VAL);
  EXPECT_EQ(readDouble("0.00001e-400"), 0.0);
  EXPECT_EQ(readDouble("0x1p99999"), HUGE_VAL);
  EXPECT_TRUE(std::isinf(readDouble("inf")));
  EXPECT_TRUE(std::isnan(readDouble("nan")));
}

TEST(ReadDouble, IgnoresTheProcessLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  const double value = readDouble("0.25");
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(value, 0.25);
}

TEST(ScanInt, ReadsOneDecimalNumberAndSaysHowFarItRead) {
  int value = 7;
  EXPECT_EQ(scanInt("12/3", value), 2u);
  EXPECT_EQ(value, 12);
  EXPECT_EQ(scanInt(" -4x", value), 3u);
  EXPECT_EQ(value, -4);
  EXPECT_EQ(scanInt("/3", value), 0u);
  EXPECT_EQ(scanInt("-", value), 0u);
  EXPECT_EQ(value, -4);
  EXPECT_EQ(readInt("99999999999"), 2147483647);
  EXPECT_EQ(readInt("-99999999999"), -2147483647 - 1);
  EXPECT_EQ(readInt("off"), 0);
  EXPECT_EQ(readInt("1.9"), 1);
}

}  // namespace
}  // namespace qel
