#include "preview/png_codec.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "image/png_check.h"

namespace {

// How far stb may grow a buffer while it decodes the current picture (decodePng sets it).
thread_local std::size_t stbGrowthLimit = 0;

void* stbGrow(void* block, std::size_t size) {
  return size > stbGrowthLimit ? nullptr : std::realloc(block, size);
}

}  // namespace

// stb's decoder, restricted to PNG from memory; the size limit is checked before it runs
// and again by stb itself. Its inflation grows its buffer as far as the data goes, so the
// growth is bounded by what the picture needs.
#define STBI_MALLOC(size) std::malloc(size)
#define STBI_REALLOC(block, size) stbGrow(block, size)
#define STBI_FREE(block) std::free(block)
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 1024
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace qel {
namespace {

static_assert(STBI_MAX_DIMENSIONS == kMaxDecodedSide);

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

std::uint32_t bigEndian32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

// No chunk before IEND claims more bytes than follow it: stb grows its buffer to a data
// chunk's claimed length before reading it, so a file of a hundred bytes could otherwise
// make it ask for gigabytes. Nor is the first data chunk empty: stb would copy its no bytes
// into a buffer it has not made yet.
bool stbCanTakeTheChunks(std::span<const std::uint8_t> data) {
  constexpr std::size_t kChunkHead = 8;    // length and type
  constexpr std::size_t kChunkFrame = 12;  // and the CRC behind the data
  std::size_t at = sizeof kPngSignature;
  bool sawData = false;
  while (data.size() - at >= kChunkHead) {
    const std::uint8_t* type = data.data() + at + 4;
    if (std::memcmp(type, "IEND", 4) == 0) break;
    const std::size_t length = bigEndian32(data.data() + at);
    const std::size_t room = data.size() - at;
    if (room < kChunkFrame || length > room - kChunkFrame) return false;
    if (std::memcmp(type, "IDAT", 4) == 0) {
      if (length == 0 && !sawData) return false;
      sawData = true;
    }
    at += kChunkFrame + length;
  }
  return true;
}

bool fitsTheLimit(std::span<const std::uint8_t> data) {
  PngSize size;
  if (failed(readPngSize(data, size))) return false;
  for (std::size_t i = 0; i < sizeof kPngSignature; ++i) {
    if (data[i] != kPngSignature[i]) return false;
  }
  return size.width >= 1 && size.height >= 1 && size.width <= kMaxDecodedSide &&
         size.height <= kMaxDecodedSide && data.size() <= INT_MAX && stbCanTakeTheChunks(data);
}

// The most that stb needs to grow a buffer to for this picture: the data chunks that it
// gathers are no longer than the file, and their inflated rows start in a buffer of the
// size stb reckons for the rows (pixels and filter bytes), which it doubles once for an
// interlaced picture.
std::size_t growthLimit(std::span<const std::uint8_t> data) {
  const std::uint64_t width = bigEndian32(data.data() + 16);
  const std::uint64_t height = bigEndian32(data.data() + 20);
  // A header cut short fails in stb; until then the widest pixels are assumed.
  const bool typed = data.size() >= 26;
  const std::uint64_t depth = typed ? data[24] : 16;
  const std::uint8_t type = typed ? data[25] : 6;
  constexpr std::uint8_t kChannels[7] = {1, 0, 3, 1, 2, 0, 4};  // by colour type
  const std::uint64_t channels = type < sizeof kChannels && kChannels[type] ? kChannels[type] : 4;
  const std::uint64_t rows = (width * depth + 7) / 8 * height * channels + height;
  return static_cast<std::size_t>(std::max(2 * rows, 2 * std::uint64_t{data.size()} + 4096));
}

struct StbFree {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

}  // namespace

std::optional<RgbaImage> decodePng(std::span<const std::uint8_t> data) {
  if (!fitsTheLimit(data)) return std::nullopt;
  int width = 0;
  int height = 0;
  int channels = 0;
  stbGrowthLimit = growthLimit(data);
  const std::unique_ptr<stbi_uc, StbFree> pixels(stbi_load_from_memory(
      data.data(), static_cast<int>(data.size()), &width, &height, &channels, 4));
  if (!pixels) return std::nullopt;
  RgbaImage image;
  image.width = width;
  image.height = height;
  image.pixels.assign(pixels.get(), pixels.get() + static_cast<std::size_t>(width) * height * 4);
  return image;
}

Bytes encodePng(const RgbaImage& image) {
  Bytes out;
  if (image.empty()) return out;
  const auto append = [](void* context, void* data, int size) {
    auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes, bytes + size);
  };
  if (!stbi_write_png_to_func(append, &out, image.width, image.height, 4, image.pixels.data(),
                              image.width * 4)) {
    out.clear();
  }
  return out;
}

}  // namespace qel
