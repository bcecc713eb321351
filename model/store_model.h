#pragma once

#include <cstdint>
#include <span>

#include "base/result.h"
#include "container/container_record.h"

namespace qel {

// Makes a copy of blob the record's model and its third word the record's vertex count.
// A buffer that does not begin with the word 100, or is too short to hold the vertex
// count, is refused with kFailure and the record is unchanged.
Result storeModel(ContainerRecord& record, std::span<const std::uint8_t> blob);

}  // namespace qel
