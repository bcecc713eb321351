#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/result.h"

namespace qel {

struct PngSize {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

// The signature and the header chunk: all that readPngSize looks at.
inline constexpr std::size_t kPngHeaderSize = 24;

// Reads width and height from a PNG header. Only the first four signature bytes are
// tested; data shorter than the 24 header bytes is refused. size is zero on failure.
Result readPngSize(std::span<const std::uint8_t> data, PngSize& size);

// Both images of a container are at most this wide and this high.
inline constexpr std::uint32_t kMaxImageSide = 256;

// Why an image cannot be a texture or side view of a container.
enum class ImageProblem {
  None,
  Unreadable,  // the file could not be read (told by the caller that read it)
  NotPng,
  TooLarge,  // wider or higher than kMaxImageSide
};

struct ImageCheck {
  ImageProblem problem = ImageProblem::None;
  PngSize size;  // the header's size, for NotPng zero
  bool ok() const { return problem == ImageProblem::None; }
};

// The one rule for a container's images: a PNG of at most 256 by 256 pixels.
ImageCheck checkContainerImage(std::span<const std::uint8_t> data);

// The largest image in English: "256 x 256".
std::string largestImageText();

// The problem in one line of English, such as "1024 x 1024 pixels, larger than 256 x 256".
std::string englishText(const ImageCheck& check);

}  // namespace qel
