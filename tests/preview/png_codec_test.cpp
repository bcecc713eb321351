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

// Deflate bits, first bit lowest; Huffman codes go in from their highest bit.
struct BitWriter {
  Bytes bytes;
  int used = 8;
  void put(std::uint32_t value, int count, bool codeOrder = false) {
    for (int i = 0; i < count; ++i) {
      if (used == 8) {
        bytes.push_back(0);
        used = 0;
      }
      const int bit = codeOrder ? count - 1 - i : i;
      bytes.back() |= static_cast<std::uint8_t>(((value >> bit) & 1) << used++);
    }
  }
};

void appendChunk(Bytes& png, const char* type, const Bytes& data) {
  for (int shift = 24; shift >= 0; shift -= 8) png.push_back(std::uint8_t(data.size() >> shift));
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  png.insert(png.end(), 4, 0);  // the CRC, which the decoder does not check
}

// A 16 x 16 grey PNG whose data inflates to zeros bytes of zero.
Bytes greyPngInflatingTo(std::uint32_t zeros) {
  BitWriter deflate;
  deflate.put(0x0178, 16);     // zlib head, low byte first
  deflate.put(0b011, 3);       // the last block, fixed codes
  deflate.put(0x30, 8, true);  // a literal 0
  std::uint32_t left = zeros - 1;
  for (; left >= 258; left -= 258) {
    deflate.put(0xC5, 8, true);  // length 258
    deflate.put(0, 5, true);     // distance 1
  }
  for (; left > 0; --left) deflate.put(0x30, 8, true);
  deflate.put(0, 7, true);  // end of block
  const std::uint32_t adler = (zeros % 65521) << 16 | 1;
  for (int shift = 24; shift >= 0; shift -= 8)
    deflate.bytes.push_back(std::uint8_t(adler >> shift));

  Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  appendChunk(png, "IHDR", {0, 0, 0, 16, 0, 0, 0, 16, 8, 0, 0, 0, 0});
  appendChunk(png, "IDAT", deflate.bytes);
  appendChunk(png, "IEND", {});
  return png;
}

TEST(PngCodec, RefusesDataThatInflatesFarBeyondThePicture) {
  const std::uint32_t rows = 16 * (1 + 16);  // a filter byte and 16 pixels each
  const auto exact = decodePng(greyPngInflatingTo(rows));
  ASSERT_TRUE(exact);
  EXPECT_EQ(exact->pixels[0], 0);
  EXPECT_FALSE(decodePng(greyPngInflatingTo(16u << 20)));
}

}  // namespace
}  // namespace qel
