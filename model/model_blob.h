#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/bytes.h"
#include "base/result.h"
#include "model/obj_model.h"

namespace qel {

// The ModelBlob, the model as a container keeps it, all numbers little-endian:
// signature 100, vertex format 274, vertex count N, index count M (32-bit words), then
// N ModelVertex records of 32 bytes and M 16-bit triangle indices.
inline constexpr std::uint32_t kModelBlobSignature = 100;
inline constexpr std::uint32_t kModelVertexFormat = 0x112;  // position, normal, one uv pair
inline constexpr std::size_t kModelBlobHeaderSize = 16;

// The blob of model with every position multiplied by scale (normals and texture
// coordinates unchanged); nothing when the model has no vertex.
std::optional<Bytes> buildModelBlob(const ObjModel& model, float scale);

}  // namespace qel
