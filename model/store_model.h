#pragma once

#include <cstdint>
#include <span>

#include "base/bytes.h"
#include "base/result.h"
#include "container/container_record.h"

namespace qel {

// Whether blob can be a model: it holds the whole 16-byte head and begins with the word 100.
bool isModelBlob(std::span<const std::uint8_t> blob);

// Makes a copy of blob the record's model and its third word the record's vertex count.
// A buffer that is no model blob (isModelBlob) is refused with kFailure and the record is
// unchanged.
Result storeModel(ContainerRecord& record, std::span<const std::uint8_t> blob);

// storeModel taking blob itself instead of a copy, so that a large model is held once.
Result adoptModel(ContainerRecord& record, Bytes&& blob);

}  // namespace qel
