// Offers arbitrary bytes as a PNG to both image slots. A refused image must leave the
// record as it was; a stored one must be kept byte for byte with a size within bounds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "container/container_record.h"
#include "image/image_slots.h"
#include "image/png_check.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

qel::ContainerRecord earlierRecord() {
  qel::ContainerRecord record;
  record.textureData = qel::Bytes{0x89, 'P', 'N', 'G'};
  record.textureWidth = 7;
  record.textureHeight = 9;
  record.sideViewData = qel::Bytes{1, 2, 3};
  record.sideViewReserved1 = 11;
  record.sideViewReserved2 = 12;
  return record;
}

void checkStore(const qel::ContainerRecord& earlier, std::span<const std::uint8_t> bytes,
                qel::ImageCheck (*store)(qel::ContainerRecord&, std::span<const std::uint8_t>),
                std::optional<qel::Bytes> (*copy)(const qel::ContainerRecord&)) {
  qel::ContainerRecord record = earlier;
  if (!store(record, bytes).ok()) {
    check(record == earlier);
    return;
  }
  const auto stored = copy(record);
  check(stored && std::equal(stored->begin(), stored->end(), bytes.begin(), bytes.end()));
  check(record.sideViewReserved1 == earlier.sideViewReserved1 &&
        record.sideViewReserved2 == earlier.sideViewReserved2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly the bytes, with nothing behind them to read into.
  const qel::Bytes bytes(data, data + size);
  qel::PngSize png{1, 1};
  if (qel::failed(qel::readPngSize(bytes, png))) {
    check(png.width == 0 && png.height == 0);
  } else {
    check(size >= 24 && bytes[0] == 0x89);
  }

  const qel::ContainerRecord earlier = earlierRecord();
  checkStore(earlier, bytes, qel::storeTexture, qel::copyTexture);
  checkStore(earlier, bytes, qel::storeSideView, qel::copySideView);

  qel::ContainerRecord record = earlier;
  if (qel::storeTexture(record, bytes).ok()) {
    check(record.textureWidth == png.width && record.textureHeight == png.height);
    check(png.width <= qel::kMaxImageSide && png.height <= qel::kMaxImageSide);
  }
  return 0;
}
