#include "image/png_check.h"

#include <gtest/gtest.h>

#include "tests/support/container_fixtures.h"

namespace qel {
namespace {

using test::pngOf;

TEST(ReadPngSize, ReadsBigEndianWidthAndHeight) {
  PngSize size;
  ASSERT_EQ(readPngSize(pngOf(0x01020304, 0x0A0B0C0D, 0), size), kSuccess);
  EXPECT_EQ(size.width, 0x01020304u);
  EXPECT_EQ(size.height, 0x0A0B0C0Du);
}

TEST(ReadPngSize, TestsOnlyTheFirstFourSignatureBytes) {
  Bytes png = pngOf(3, 4, 0);
  for (std::size_t i = 4; i < 16; ++i) png[i] = 0xEE;
  PngSize size;
  ASSERT_EQ(readPngSize(png, size), kSuccess);
  EXPECT_EQ(size.width, 3u);
}

TEST(ReadPngSize, RefusesOtherDataAndClearsTheSize) {
  const Bytes noLeadingByte = {'P', 'N', 'G', 0x0D, 0, 0, 0, 0, 0, 0, 0, 0,
                               0,   0,   0,   0,    0, 0, 0, 1, 0, 0, 0, 1};
  Bytes jpeg = pngOf(1, 1, 0);
  jpeg[0] = 0xFF, jpeg[1] = 0xD8, jpeg[2] = 0xFF, jpeg[3] = 0xE0;
  Bytes bmp = pngOf(1, 1, 0);
  bmp[0] = 'B', bmp[1] = 'M';
  Bytes shortPng = pngOf(1, 1, 0);
  shortPng.pop_back();  // 23 bytes: the height is cut off
  for (const Bytes& data : {noLeadingByte, jpeg, bmp, shortPng, Bytes{}}) {
    PngSize size{5, 5};
    EXPECT_EQ(readPngSize(data, size), kFailure);
    EXPECT_EQ(size.width, 0u);
    EXPECT_EQ(size.height, 0u);
  }
}

}  // namespace
}  // namespace qel
