#include "repair/texture_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "preview/png_codec.h"
#include "tests/repair/image_files.h"

namespace qel {
namespace {

constexpr Rgba kRed{230, 20, 20, 255};
constexpr Rgba kBlue{20, 20, 230, 255};

RgbaImage redOverBlue(int width, int height) {
  RgbaImage image(width, height, kBlue);
  for (int y = 0; y < height / 2; ++y) {
    for (int x = 0; x < width; ++x) image.set(x, y, kRed);
  }
  return image;
}

bool isRed(Rgba c) {
  return c.r > 128 && c.b < 128;
}
bool isBlue(Rgba c) {
  return c.b > 128 && c.r < 128;
}

TEST(TextureImage, KeepsThePictureOfEveryFormatTheRightWayUp) {
  const RgbaImage picture = redOverBlue(16, 16);
  const std::array files = {test::jpegOf(picture),      encodePng(picture),
                            test::bmpOf(picture),       test::tgaOf(picture, false),
                            test::tgaOf(picture, true), test::redOverBlueGif()};
  for (std::size_t i = 0; i < files.size(); ++i) {
    const DecodedTexture decoded = decodeTextureImage(files[i]);
    ASSERT_TRUE(decoded.image) << "file " << i;
    const RgbaImage& image = *decoded.image;
    EXPECT_TRUE(isRed(image.at(0, 0))) << "file " << i;
    EXPECT_TRUE(isBlue(image.at(0, image.height - 1))) << "file " << i;
  }
}

TEST(TextureImage, DecodesAnInterlacedSixteenBitPngAsLargeAsItTakes) {
  const DecodedTexture decoded =
      decodeTextureImage(test::interlacedSixteenBitPng(1024, 1024, kRed));
  ASSERT_TRUE(decoded.image);
  EXPECT_EQ(decoded.image->at(1023, 1023), kRed);
}

TEST(TextureImage, RefusesPicturesCutShortAsDamaged) {
  const RgbaImage picture = redOverBlue(16, 16);
  const Bytes gif = test::redOverBlueGif();
  const std::array files = {test::bmpOf(picture), test::tgaOf(picture, false), gif};
  for (std::size_t i = 0; i < files.size(); ++i) {
    const Bytes& whole = files[i];
    const Bytes cut(whole.begin(), whole.end() - (i == 2 ? 3 : 100));
    const DecodedTexture decoded = decodeTextureImage(cut);
    EXPECT_FALSE(decoded.image) << "file " << i;
    EXPECT_EQ(decoded.fault, ImageFault::Damaged) << "file " << i;
  }
}

TEST(TextureImage, RefusesAJpegOfMoreScansThanItsPixelsAllowBeforeDecoding) {
  // A small JPEG said to be 4096 x 4096, its scan repeated: each scan would be a pass over
  // 16 million pixels.
  Bytes jpeg = test::jpegOf(RgbaImage(8, 8, kRed));
  const std::array<std::uint8_t, 2> frame = {0xFF, 0xC0};
  const std::array<std::uint8_t, 2> scan = {0xFF, 0xDA};
  const auto sof = std::search(jpeg.begin(), jpeg.end(), frame.begin(), frame.end());
  ASSERT_NE(sof, jpeg.end());
  std::copy_n(std::array<std::uint8_t, 4>{0x10, 0x00, 0x10, 0x00}.begin(), 4, sof + 5);
  const auto sos = std::search(jpeg.begin(), jpeg.end(), scan.begin(), scan.end());
  const Bytes scanBytes(sos, jpeg.end() - 2);  // to the end of image
  for (int copy = 0; copy < 300; ++copy)
    jpeg.insert(jpeg.end() - 2, scanBytes.begin(), scanBytes.end());
  const TextureHeader header = readTextureHeader(jpeg);
  EXPECT_EQ(header.passes, 301u);
  EXPECT_EQ(header.fault, ImageFault::TooMuchWork);
}

}  // namespace
}  // namespace qel
