#include "preview/png_codec.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

RgbaImage sample() {
  RgbaImage image(3, 2, {1, 2, 3, 255});
  image.set(2, 1, {200, 100, 50, 25});
  return image;
}

TEST(PngCodec, DecodesWhatItEncodes) {
  const auto decoded = decodePng(encodePng(sample()));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, 3);
  EXPECT_EQ(decoded->height, 2);
  EXPECT_EQ(decoded->pixels, sample().pixels);
}

TEST(PngCodec, RefusesDataChunksTheDecoderMishandles) {
  // Found by fuzzing: a data chunk that claims 2 GB, which the decoder allocated before
  // finding the bytes missing.
  const Bytes good = encodePng(sample());
  const Bytes head = {0x7F, 0xFF, 0xFF, 0xF0, 'I', 'D', 'A', 'T'};
  Bytes inside = good;
  inside.insert(inside.end() - 12, head.begin(), head.end());
  // Or a chunk head as the last bytes of the file, with no IEND behind it.
  Bytes atTheEnd(good.begin(), good.end() - 12);
  atTheEnd.insert(atTheEnd.end(), head.begin(), head.end());
  // Or an empty first data chunk, which the decoder copies into a buffer it has not made.
  const Bytes empty = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0, 0, 0, 0};
  Bytes emptyFirst = good;
  emptyFirst.insert(emptyFirst.begin() + 33, empty.begin(), empty.end());  // behind IHDR
  EXPECT_FALSE(decodePng(inside));
  EXPECT_FALSE(decodePng(atTheEnd));
  EXPECT_FALSE(decodePng(emptyFirst));
}

TEST(PngCodec, RefusesWhatIsNoWholePngOrTooLarge) {
  const Bytes good = encodePng(sample());
  Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  Bytes wide = good;
  wide[18] = 0x04;  // width 1027 in the header
  Bytes onlySignatureStart = good;
  onlySignatureStart[5] = 0;  // enough for the size check, not for a decoder
  for (const Bytes& bytes : {Bytes{}, Bytes(40, 0x89), cut, wide, onlySignatureStart}) {
    EXPECT_FALSE(decodePng(bytes));
  }
}

}  // namespace
}  // namespace qel
