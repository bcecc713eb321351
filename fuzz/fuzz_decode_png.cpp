// Decodes arbitrary bytes as a PNG texture or side view. A decoded picture must be within
// the limit and hold exactly its pixels.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "preview/png_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = qel::decodePng(std::span(data, size));
  if (image && (image->width < 1 || image->height < 1 || image->width > qel::kMaxDecodedSide ||
                image->height > qel::kMaxDecodedSide ||
                image->pixels.size() != std::size_t(image->width) * image->height * 4)) {
    std::abort();
  }
  return 0;
}
