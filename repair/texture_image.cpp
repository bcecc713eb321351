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

}  // namespace

DecodedTexture decodeTextureImage(std::span<const std::uint8_t> data) {
  DecodedTexture decoded;
  int width = 0;
  int height = 0;
  int channels = 0;
  // The header alone: stb's reading state for it.
  stbAllocationLimit = std::size_t{1} << 20;
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
    decoded.problem = std::string("cannot be decoded (") + stbi_failure_reason() + ")";
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
