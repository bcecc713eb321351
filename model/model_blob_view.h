#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/obj_model.h"

namespace qel {

// A ModelBlob whose vertex and index lists are known to lie inside its bytes. From
// readModelBlob, every index also names one of its vertices, in whole triangles only.
class ModelBlobView {
 public:
  std::uint32_t vertexCount() const { return vertexCount_; }
  std::uint32_t indexCount() const { return indexCount_; }
  ModelVertex vertex(std::uint32_t i) const;
  std::uint16_t index(std::uint32_t i) const;
  // Bytes after the index list, which nothing reads.
  std::size_t trailingBytes() const { return trailingBytes_; }

 private:
  friend struct ModelBlobReading readModelBlobLayout(std::span<const std::uint8_t> blob);
  std::span<const std::uint8_t> vertices_;
  std::span<const std::uint8_t> indices_;
  std::uint32_t vertexCount_ = 0;
  std::uint32_t indexCount_ = 0;
  std::size_t trailingBytes_ = 0;
};

struct ModelBlobReading {
  std::optional<ModelBlobView> view;
  // When view is empty: a stable identifier of the problem and one line saying what it is.
  const char* code = nullptr;
  std::string problem;
};

// Reads the blob as the program writes it (signature 100, vertex format 274). The view
// refers to blob, which must outlive it. Refused: a blob shorter than its head or than its
// counts say, another signature or vertex format, no vertex, an index count that is no
// whole number of triangles, or an index past the vertices.
ModelBlobReading readModelBlob(std::span<const std::uint8_t> blob);

// Only the head and that the lists lie inside the blob: for readers that draw what they can
// of a blob the open command took, whatever its indices say.
ModelBlobReading readModelBlobLayout(std::span<const std::uint8_t> blob);

}  // namespace qel
