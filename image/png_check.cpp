#include "image/png_check.h"

#include "container/whole_file.h"

namespace qel {
namespace {
std::uint32_t bigEndian32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         std::uint32_t{p[3]};
}
}  // namespace

Result readPngSize(std::span<const std::uint8_t> data, PngSize& size) {
  size = {};
  if (data.size() < kPngHeaderSize) return kFailure;
  if (data[0] != 0x89 || data[1] != 'P' || data[2] != 'N' || data[3] != 'G') return kFailure;
  size.width = bigEndian32(data.data() + 16);
  size.height = bigEndian32(data.data() + 20);
  return kSuccess;
}

ImageCheck checkContainerImage(std::span<const std::uint8_t> data) {
  ImageCheck check;
  if (failed(readPngSize(data, check.size))) {
    check.problem = ImageProblem::NotPng;
  } else if (check.size.width > kMaxImageSide || check.size.height > kMaxImageSide) {
    check.problem = ImageProblem::TooLarge;
  }
  return check;
}

std::string englishText(const ImageCheck& check) {
  switch (check.problem) {
    case ImageProblem::None:
      break;
    case ImageProblem::Unreadable:
      return std::string(kUnreadableText);
    case ImageProblem::NotPng:
      return "not a PNG file";
    case ImageProblem::TooLarge:
      return std::to_string(check.size.width) + " x " + std::to_string(check.size.height) +
             " pixels, larger than " + largestImageText();
  }
  return {};
}

std::string largestImageText() {
  return std::to_string(kMaxImageSide) + " x " + std::to_string(kMaxImageSide);
}

}  // namespace qel
