#include "dialogs/field_rule.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(FieldRule, WhatIsInsertedIsCutToWholeCharactersWhereTheLimitIsReached) {
  const FieldRule rule{4, false};
  // A paste into the middle keeps what fits, and the cursor stands after it.
  const FieldEdit middle = acceptEdit(rule, u"ab", u"aXYZb");
  EXPECT_EQ(middle.text, u"aXYb");
  EXPECT_EQ(middle.cursor, 3u);
  EXPECT_EQ(acceptEdit(rule, u"abc", u"abc😀").text, u"abc");  // two units, one free
  EXPECT_EQ(acceptEdit(rule, u"ab", u"ab\r\n\r\n").text, u"ab\r\n");
  // A longer text set by the program may shrink, never grow.
  EXPECT_EQ(acceptEdit(rule, u"abcdef", u"abcdefg").text, u"abcdef");
  EXPECT_EQ(acceptEdit(rule, u"abcdef", u"abcde").text, u"abcde");
  EXPECT_EQ(acceptEdit(rule, u"abcdef", u"abXdef").text, u"abXdef");
}

TEST(FieldRule, ANumberFieldKeepsTheDigitsOfWhatIsTypedOrPasted) {
  const FieldRule rule{0, true};
  EXPECT_EQ(acceptEdit(rule, u"12", u"12a").text, u"12");
  EXPECT_EQ(acceptEdit(rule, u"", u"4,５００ mm").text, u"4500");
  EXPECT_EQ(acceptEdit(rule, u"45", u"4").text, u"4");
}

}  // namespace
}  // namespace qel
