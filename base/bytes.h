#pragma once

#include <cstdint>
#include <vector>

namespace qel {

// An owned block of bytes: a whole file, or a data block of the record.
using Bytes = std::vector<std::uint8_t>;

}  // namespace qel
