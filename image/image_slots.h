#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "base/bytes.h"
#include "container/container_record.h"
#include "image/png_check.h"

namespace qel {

// Stores a copy of a PNG of at most 256 x 256 pixels as the texture, with its width and
// height. Anything else is refused with its reason and the texture slot stays as it was.
ImageCheck storeTexture(ContainerRecord& record, std::span<const std::uint8_t> data);

// The same check for the side view; its size is not kept, nor are its reserved words
// touched.
ImageCheck storeSideView(ContainerRecord& record, std::span<const std::uint8_t> data);

// A fresh copy of the slot's bytes, or nothing when the slot is empty.
std::optional<Bytes> copyTexture(const ContainerRecord& record);
std::optional<Bytes> copySideView(const ContainerRecord& record);

}  // namespace qel
