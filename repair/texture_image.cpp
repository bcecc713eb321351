#include "repair/texture_image.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>

namespace {

// How far stb may allocate while it decodes the current picture (decodeTextureImage sets
// it from the picture's header, which stb has read once already).
thread_local std::size_t stbAllocationLimit = 0;

void* stbAllocate(std::size_t size) {
  return size > stbAllocationLimit ? nullptr : std::malloc(size);
}

void* stbGrow(void* block, std::size_t size) {
  return size > stbAllocationLimit ? nullptr : std::realloc(block, size);
}

}  // namespace

// The preview's decoder takes PNG only and small pictures; the repair's takes what
// modellers save textures as, from memory, up to its own bounds.
#define STBI_MALLOC(size) stbAllocate(size)
#define STBI_REALLOC(block, size) stbGrow(block, size)
#define STBI_FREE(block) std::free(block)
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 8192
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#define STB_IMAGE_RESIZE_STATIC
#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb_image_resize.h>

namespace qel {
namespace {

static_assert(STBI_MAX_DIMENSIONS == kLargestTextureSide);

struct StbFree {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

// A byte as stb reads it: 0 past the end.
std::uint8_t byteAt(std::span<const std::uint8_t> data, std::size_t at) {
  return at < data.size() ? data[at] : 0;
}

// Whether the Huffman tables of a DHT segment whose marker ends before at list more than
// the 256 codes a table holds. stb 2.27 does not check, and writes the codes past its
// tables.
bool overfillsHuffmanTable(std::span<const std::uint8_t> data, std::size_t at) {
  std::int64_t left = (byteAt(data, at) << 8 | byteAt(data, at + 1)) - 2;
  at += 2;
  while (left > 0 && at < data.size()) {
    ++at;  // table class and number
    int codes = 0;
    for (int length = 0; length < 16; ++length) codes += byteAt(data, at++);
    if (codes > 256) return true;
    at += codes;
    left -= 17 + codes;
  }
  return false;
}

// Whether stb could meet a DHT segment that overfills its table. The segments it skips
// by their length (APPn and COM, before anything else) are skipped here too, so that
// their payloads cannot look like one; from the first other marker on, every 0xFF 0xC4
// is taken as the DHT marker that stb may read there.
bool hasOverfullHuffmanTable(std::span<const std::uint8_t> data) {
  if (byteAt(data, 0) != 0xFF || byteAt(data, 1) != 0xD8) return false;
  std::size_t at = 2;
  while (byteAt(data, at) == 0xFF) {
    std::size_t marker = at + 1;
    while (byteAt(data, marker) == 0xFF && marker < data.size()) ++marker;
    const std::uint8_t kind = byteAt(data, marker);
    if (!((kind >= 0xE0 && kind <= 0xEF) || kind == 0xFE)) break;
    at = marker + 1 + (byteAt(data, marker + 1) << 8 | byteAt(data, marker + 2));
  }
  for (; at + 1 < data.size(); ++at) {
    if (data[at] == 0xFF && data[at + 1] == 0xC4 && overfillsHuffmanTable(data, at + 2)) {
      return true;
    }
  }
  return false;
}

// stb's reason for a refusal, which may quote bytes of the file (the type of a PNG chunk
// it does not know), fit for a one-line refusal.
std::string printable(std::string reason) {
  for (char& c : reason) {
    if (c < 0x20 || c > 0x7E) c = '?';
  }
  return reason;
}

}  // namespace

DecodedTexture decodeTextureImage(std::span<const std::uint8_t> data) {
  DecodedTexture decoded;
  int width = 0;
  int height = 0;
  int channels = 0;
  // The header alone: stb's reading state for it.
  stbAllocationLimit = std::size_t{1} << 20;
  if (hasOverfullHuffmanTable(data)) {
    decoded.problem = "a JPEG whose Huffman table is damaged";
    return decoded;
  }
  if (data.size() > INT_MAX || !stbi_info_from_memory(data.data(), static_cast<int>(data.size()),
                                                      &width, &height, &channels)) {
    decoded.problem = "not an image in JPEG, PNG, BMP, TGA or GIF";
    return decoded;
  }
  const std::uint64_t pixelCount = std::uint64_t(width) * std::uint64_t(height);
  if (width > kLargestTextureSide || height > kLargestTextureSide ||
      pixelCount > kLargestTexturePixels) {
    decoded.problem = std::to_string(width) + " x " + std::to_string(height) + " pixels; at most " +
                      std::to_string(kLargestTextureSide) + " a side and " +
                      std::to_string(kLargestTexturePixels) + " pixels";
    return decoded;
  }
  // The picture in 8 bytes a pixel (stb's working copy and its result), and twice the file
  // for the compressed data it gathers.
  stbAllocationLimit = static_cast<std::size_t>(pixelCount * 8 + 2 * data.size() + 65536);
  const std::unique_ptr<stbi_uc, StbFree> pixels(stbi_load_from_memory(
      data.data(), static_cast<int>(data.size()), &width, &height, &channels, 4));
  if (!pixels) {
    decoded.problem = "damaged (" + printable(stbi_failure_reason()) + ")";
    return decoded;
  }
  RgbaImage& image = decoded.image.emplace();
  image.width = width;
  image.height = height;
  image.pixels.assign(pixels.get(), pixels.get() + pixelCount * 4);
  return decoded;
}

RgbaImage fitWithin(const RgbaImage& image, int side) {
  if (image.width <= side && image.height <= side) return image;
  const double scale = double(side) / std::max(image.width, image.height);
  const int width = std::max(1, static_cast<int>(image.width * scale + 0.5));
  const int height = std::max(1, static_cast<int>(image.height * scale + 0.5));
  RgbaImage fitted(width, height, {});
  resampleInto(image, fitted, 0, 0, width, height);
  return fitted;
}

void resampleInto(const RgbaImage& source, RgbaImage& target, int x, int y, int width, int height) {
  std::uint8_t* corner =
      target.pixels.data() + (static_cast<std::size_t>(y) * target.width + x) * 4;
  stbir_resize_uint8_srgb(source.pixels.data(), source.width, source.height, 0, corner, width,
                          height, target.width * 4, 4, 3, 0);
}

}  // namespace qel
