#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/obj_model.h"

namespace qel {

// At most this many triangles are drawn, so that no model can hold up the window: twenty
// times what the converter can make.
inline constexpr std::size_t kMaxPreviewTriangles = 200000;

// A ModelBlob made ready for drawing: its vertex records (those that an index can name),
// and the triangles whose three corners name existing vertices at finite positions. Also
// left out, since it would change no pixel: a triangle with the positions of an earlier
// one in the same order.
struct PreviewMesh {
  std::vector<ModelVertex> vertices;
  std::vector<std::array<std::uint16_t, 3>> triangles;
  // Triangles were left out beyond kMaxPreviewTriangles.
  bool partial = false;
  // The box and the sphere around every corner of a triangle; radius 0 when there is none.
  Vector3 low{0.0f, 0.0f, 0.0f};
  Vector3 high{0.0f, 0.0f, 0.0f};
  Vector3 center{0.0f, 0.0f, 0.0f};
  float radius = 0.0f;
};

struct PreviewMeshReading {
  std::optional<PreviewMesh> mesh;
  std::string reason;  // why there is none
};

// Reads a blob as the container stores it. Refused as readModelBlobLayout refuses: a blob
// that is not of the signature and vertex format the converter writes, or whose counts run
// past its end.
PreviewMeshReading readPreviewMesh(std::span<const std::uint8_t> blob);

}  // namespace qel
