#include "repair/fitting_png.h"

#include "preview/png_codec.h"
#include "repair/atlas_layout.h"
#include "repair/texture_image.h"

namespace qel {

bool canConvertToFittingPng(std::span<const std::uint8_t> image) {
  return !readTextureHeader(image).fault;
}

FittingPng convertToFittingPng(std::span<const std::uint8_t> image) {
  FittingPng converted;
  const DecodedTexture decoded = decodeTextureImage(image);
  if (!decoded.image) {
    converted.fault = decoded.fault;
    return converted;
  }
  const CellSize size = fittedSize(decoded.image->width, decoded.image->height, kAtlasSide);
  RgbaImage fitted(size.width, size.height, {});
  resampleInto(*decoded.image, fitted, 0, 0, size.width, size.height);
  converted.png = encodePng(fitted);
  return converted;
}

}  // namespace qel
