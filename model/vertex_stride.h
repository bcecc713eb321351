#pragma once

#include <cstdint>

namespace qel {

// Size in bytes of one vertex record of a Direct3D 9 flexible vertex format code.
std::uint32_t vertexStride(std::uint32_t format);

}  // namespace qel
