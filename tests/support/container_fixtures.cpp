#include "tests/support/container_fixtures.h"

namespace qel::test {

Bytes le32(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

namespace {
Bytes be32(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
          static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

Bytes filled(std::size_t count, std::uint8_t first) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(first + i);
  return bytes;
}
}  // namespace

Bytes pngOf(std::uint32_t width, std::uint32_t height, std::size_t filler) {
  const Bytes signature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                           0,    0,   0,   13,  'I',  'H',  'D',  'R'};
  return concat({signature, be32(width), be32(height), filled(filler, 0xA0)});
}

Bytes modelBlobOf(std::uint32_t vertexCount, std::uint32_t indexCount, std::size_t filler) {
  return concat({le32(100), le32(274), le32(vertexCount), le32(indexCount), filled(filler, 0x40)});
}

Bytes patterned(std::size_t count, std::uint8_t seed) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + seed);
  return bytes;
}

ContainerRecord completeRecord() {
  ContainerRecord record;
  record.containerName.assign(u"コキ20ft");
  record.makerName.assign(u"山田工房");
  record.description.assign(u"説明\r\n二行目");
  record.typeIndex = 9;
  record.lengthMm = 6058.5f;
  record.createdTime = 1'700'000'000;
  record.reservedValue = -7;
  record.sideViewReserved1 = 0x11111111;
  record.sideViewReserved2 = 0x22222222;
  record.modelData = modelBlobOf(36, 60);
  record.modelVertexCount = 36;
  record.textureData = pngOf(256, 128);
  record.textureWidth = 256;
  record.textureHeight = 128;
  record.sideViewData = pngOf(200, 64, 3);
  return record;
}

ContainerRecord largeRecord() {
  ContainerRecord record = completeRecord();
  // Sizes that are no multiple of the stream's blocks or of a piece.
  std::uint32_t state = 2463534242u;
  const auto varied = [&state](Bytes head, std::size_t count) {
    head.reserve(head.size() + count);
    for (std::size_t i = 0; i < count; ++i) {
      state ^= state << 13;
      state ^= state >> 17;
      state ^= state << 5;
      head.push_back(static_cast<std::uint8_t>(state));
    }
    return head;
  };
  record.modelData = varied(modelBlobOf(99'999, 299'997, 0), 3'000'013);
  record.modelVertexCount = 99'999;
  record.textureData = varied(pngOf(256, 256, 0), 700'001);
  record.sideViewData = varied(pngOf(256, 64, 0), 65'537);
  return record;
}

ChunkSequence& ChunkSequence::chunk(std::uint32_t tag, const Bytes& content) {
  return chunkWithLength(tag, static_cast<std::uint32_t>(content.size()), content);
}

ChunkSequence& ChunkSequence::chunkWithLength(std::uint32_t tag, std::uint32_t length,
                                              const Bytes& content) {
  bytes_ = concat({bytes_, le32(tag), le32(length), content});
  return *this;
}

ChunkSequence& ChunkSequence::text(std::uint32_t tag, std::u16string_view text, std::size_t units) {
  Bytes content(2 * units);
  for (std::size_t i = 0; i < text.size() && i < units; ++i) {
    content[2 * i] = static_cast<std::uint8_t>(text[i]);
    content[2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
  }
  return chunk(tag, content);
}

ChunkSequence& ChunkSequence::end() {
  return chunk(0x801FFF, {});
}

}  // namespace qel::test
