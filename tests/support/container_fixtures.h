#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "base/bytes.h"
#include "container/container_record.h"

namespace qel::test {

// The 24 header bytes of a PNG file of the given size, followed by filler bytes.
Bytes pngOf(std::uint32_t width, std::uint32_t height, std::size_t filler = 8);

// A ModelBlob head (100, 274, vertex and index count) followed by filler bytes.
Bytes modelBlobOf(std::uint32_t vertexCount, std::uint32_t indexCount, std::size_t filler = 8);

// count bytes of a pattern that differs with seed.
Bytes patterned(std::size_t count, std::uint8_t seed = 7);

// A record that can be saved: names, parameters and all three blocks set.
ContainerRecord completeRecord();

// A saveable record whose blocks of varied bytes span several pieces of a file as it is
// written and read.
ContainerRecord largeRecord();

// Builds a chunk sequence by hand, for files that the writer would never produce.
class ChunkSequence {
 public:
  ChunkSequence& chunk(std::uint32_t tag, const Bytes& content);
  // A chunk whose length field says length, whatever the content holds.
  ChunkSequence& chunkWithLength(std::uint32_t tag, std::uint32_t length, const Bytes& content);
  ChunkSequence& text(std::uint32_t tag, std::u16string_view text, std::size_t units);
  ChunkSequence& end();
  const Bytes& bytes() const { return bytes_; }

 private:
  Bytes bytes_;
};

Bytes le32(std::uint32_t value);
Bytes concat(std::initializer_list<Bytes> parts);

}  // namespace qel::test
