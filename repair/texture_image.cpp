#include "repair/texture_image.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>

#include "repair/jpeg_markers.h"

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

// The texture's bytes as stb reads them through its callbacks, which tell what reading
// from memory does not: that the decoder wanted bytes past the end. BMP, TGA and GIF
// pictures cut short would otherwise come out black or transparent where they end.
constexpr std::size_t kStbBuffer = sizeof(stbi__context::buffer_start);

class BoundedReading {
 public:
  explicit BoundedReading(std::span<const std::uint8_t> data) : data_(data) {}

  static int read(void* user, char* into, int size) {
    BoundedReading& self = *static_cast<BoundedReading*>(user);
    const std::size_t left = self.data_.size() - self.at_;
    const auto wanted = static_cast<std::size_t>(std::max(size, 0));
    const std::size_t count = std::min(wanted, left);
    // stb fills its buffer kStbBuffer bytes at a time and may find the end doing so; any
    // other read is of bytes it needs.
    if (count < wanted && (left == 0 || wanted != kStbBuffer)) self.overran_ = true;
    std::copy_n(self.data_.begin() + static_cast<std::ptrdiff_t>(self.at_), count, into);
    self.at_ += count;
    return static_cast<int>(count);
  }

  static void skip(void* user, int count) {
    BoundedReading& self = *static_cast<BoundedReading*>(user);
    const std::size_t wanted = static_cast<std::size_t>(std::max(count, 0));
    if (wanted > self.data_.size() - self.at_) self.overran_ = true;
    self.at_ += std::min(wanted, self.data_.size() - self.at_);
  }

  static int atEnd(void* user) {
    const BoundedReading& self = *static_cast<BoundedReading*>(user);
    return self.at_ == self.data_.size() ? 1 : 0;
  }

  bool overran() const { return overran_; }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t at_ = 0;
  bool overran_ = false;
};

constexpr stbi_io_callbacks kBoundedCallbacks = {&BoundedReading::read, &BoundedReading::skip,
                                                 &BoundedReading::atEnd};

}  // namespace

TextureHeader readTextureHeader(std::span<const std::uint8_t> data) {
  TextureHeader header;
  // The header alone: stb's reading state for it.
  stbAllocationLimit = std::size_t{1} << 20;
  if (hasOverfullHuffmanTable(data)) {
    header.fault = ImageFault::Damaged;
    return header;
  }
  int channels = 0;
  if (data.size() > INT_MAX || !stbi_info_from_memory(data.data(), static_cast<int>(data.size()),
                                                      &header.width, &header.height, &channels)) {
    header.fault = ImageFault::NotAnImage;
    return header;
  }
  header.passes = std::max<std::uint32_t>(1, countJpegScans(data));
  if (header.width > kLargestTextureSide || header.height > kLargestTextureSide ||
      header.pixels() > kLargestTexturePixels) {
    header.fault = ImageFault::TooLarge;
  } else if (header.pixelPasses() > kMostPixelPasses) {
    header.fault = ImageFault::TooMuchWork;
  }
  return header;
}

DecodedTexture decodeTextureImage(std::span<const std::uint8_t> data) {
  DecodedTexture decoded;
  const TextureHeader header = readTextureHeader(data);
  if (header.fault) {
    decoded.fault = *header.fault;
    return decoded;
  }
  // The picture in 8 bytes a pixel (stb's working copy and its result), twice that for a
  // 16-bit PNG, whose inflated data stb may grow to twice its guess, and twice the file
  // for the compressed data it gathers.
  const std::uint64_t bytesPerPixel =
      stbi_is_16_bit_from_memory(data.data(), static_cast<int>(data.size())) ? 16 : 8;
  stbAllocationLimit =
      static_cast<std::size_t>(header.pixels() * bytesPerPixel + 2 * data.size() + 65536);
  BoundedReading reading(data);
  int width = 0;
  int height = 0;
  int channels = 0;
  const std::unique_ptr<stbi_uc, StbFree> pixels(
      stbi_load_from_callbacks(&kBoundedCallbacks, &reading, &width, &height, &channels, 4));
  if (!pixels || reading.overran()) return decoded;
  RgbaImage& image = decoded.image.emplace();
  image.width = width;
  image.height = height;
  image.pixels.assign(pixels.get(), pixels.get() + std::size_t(width) * std::size_t(height) * 4);
  return decoded;
}

CellSize fittedSize(int width, int height, int side) {
  if (width <= side && height <= side) return {width, height};
  const double scale = double(side) / std::max(width, height);
  return {std::max(1, static_cast<int>(width * scale + 0.5)),
          std::max(1, static_cast<int>(height * scale + 0.5))};
}

void resampleInto(const RgbaImage& source, RgbaImage& target, int x, int y, int width, int height) {
  std::uint8_t* corner =
      target.pixels.data() + (static_cast<std::size_t>(y) * target.width + x) * 4;
  stbir_resize_uint8_srgb(source.pixels.data(), source.width, source.height, 0, corner, width,
                          height, target.width * 4, 4, 3, 0);
}

}  // namespace qel
