#pragma once

#include "base/bytes.h"
#include "preview/rgba_image.h"

namespace qel::test {

// Texture files in the formats the repair reads, written in memory.
Bytes jpegOf(const RgbaImage& image);
Bytes bmpOf(const RgbaImage& image);

// An uncompressed 24-bit TGA, its rows stored bottom-up (the format's default origin) or
// top-down, written here by hand: some tools ignore the origin bit.
Bytes tgaOf(const RgbaImage& image, bool topDown);

// A PNG of 16-bit RGBA channels, interlaced, every pixel colour (given in 8 bits).
Bytes interlacedSixteenBitPng(int width, int height, Rgba colour);

// A GIF of one column, a red pixel over a blue one, written by hand.
Bytes redOverBlueGif();

}  // namespace qel::test
