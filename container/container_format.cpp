#include "container/container_format.h"

#include <algorithm>
#include <bit>
#include <cassert>

#include "base/little_endian.h"
#include "container/scramble_generator.h"
#include "container/whole_file.h"

namespace qel {
namespace {

constexpr std::uint8_t kScrambledSignature[4] = {0x24, 0x25, 0x26, 0x00};
constexpr std::uint8_t kPlainSignature[4] = {0x00, 0x10, 0x80, 0x00};
constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kChunkHeadSize = 8;
// The seven fixed chunks: their heads and 64 + 4 + 4 + 8 + 128 + 32 + 4 content bytes.
constexpr std::size_t kFixedChunksSize = 7 * kChunkHeadSize + 244;
constexpr std::size_t kSideViewHeadSize = 12;
constexpr std::size_t kTextureHeadSize = 8;
constexpr std::size_t kModelHeadSize = 4;

bool startsWith(std::span<const std::uint8_t> bytes, const std::uint8_t (&signature)[4]) {
  return bytes.size() >= 4 && std::equal(signature, signature + 4, bytes.begin());
}

std::size_t sizeOf(const std::optional<Bytes>& block) {
  return block ? block->size() : 0;
}

std::span<const std::uint8_t> contentOf(const std::optional<Bytes>& block) {
  return block ? std::span<const std::uint8_t>(*block) : std::span<const std::uint8_t>();
}

// ---- Writing ----

template <std::size_t N>
void putText(LittleEndianWriter& out, const FixedText<N>& text) {
  out.put32(static_cast<std::uint32_t>(2 * N));
  for (char16_t unit : text.units()) out.put16(unit);
}

void putHead(LittleEndianWriter& out, ContainerChunkTag tag, std::size_t length) {
  out.put32(tag);
  out.put32(static_cast<std::uint32_t>(length));
}

void putBody(LittleEndianWriter& out, const ContainerRecord& r) {
  out.put32(kContainerNameChunk);
  putText(out, r.containerName);
  putHead(out, kReservedValueChunk, 4);
  out.put32(static_cast<std::uint32_t>(r.reservedValue));
  putHead(out, kLengthChunk, 4);
  out.put32(std::bit_cast<std::uint32_t>(r.lengthMm));
  putHead(out, kCreatedTimeChunk, 8);
  out.put64(static_cast<std::uint64_t>(r.createdTime));
  out.put32(kDescriptionChunk);
  putText(out, r.description);
  out.put32(kMakerNameChunk);
  putText(out, r.makerName);
  putHead(out, kTypeChunk, 4);
  out.put32(r.typeIndex);

  if (r.sideViewData) {
    putHead(out, kSideViewChunk, kSideViewHeadSize + r.sideViewData->size());
    out.put32(r.sideViewReserved1);
    out.put32(r.sideViewReserved2);
    out.put32(static_cast<std::uint32_t>(r.sideViewData->size()));
    out.putBytes(*r.sideViewData);
  }
  putHead(out, kModelChunk, kModelHeadSize + sizeOf(r.modelData));
  out.put32(static_cast<std::uint32_t>(sizeOf(r.modelData)));
  out.putBytes(contentOf(r.modelData));
  putHead(out, kTextureChunk, kTextureHeadSize + sizeOf(r.textureData));
  out.put16(r.textureWidth);
  out.put16(r.textureHeight);
  out.put32(static_cast<std::uint32_t>(sizeOf(r.textureData)));
  out.putBytes(contentOf(r.textureData));
  putHead(out, kEndChunk, 0);
}

std::uint64_t containerFileSize(const ContainerRecord& r) {
  std::uint64_t size = kHeaderSize + kFixedChunksSize;
  if (r.sideViewData) size += kChunkHeadSize + kSideViewHeadSize + r.sideViewData->size();
  size += kChunkHeadSize + kModelHeadSize + sizeOf(r.modelData);
  size += kChunkHeadSize + kTextureHeadSize + sizeOf(r.textureData);
  return size + kChunkHeadSize;
}

// ---- Reading ----

// Hands out the bytes of a chunk sequence front to back, never past its end.
class ChunkCursor {
 public:
  explicit ChunkCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // The next count bytes, or nothing when fewer are left.
  const std::uint8_t* take(std::uint64_t count) {
    if (count > bytes_.size() - position_) return nullptr;
    const std::uint8_t* start = bytes_.data() + position_;
    position_ += static_cast<std::size_t>(count);
    return start;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Texts are taken as stored, then terminated within the field whatever the file held.
template <std::size_t N>
bool loadText(ChunkCursor& cursor, FixedText<N>& text) {
  const std::uint8_t* p = cursor.take(2 * N);
  if (!p) return false;
  for (std::size_t i = 0; i < N; ++i) text.units()[i] = readLe16(p + 2 * i);
  text.terminate();
  return true;
}

template <typename T>
bool loadWord(ChunkCursor& cursor, T& field) {
  static_assert(sizeof(T) == 4);
  const std::uint8_t* p = cursor.take(4);
  if (!p) return false;
  field = std::bit_cast<T>(readLe32(p));
  return true;
}

// A size of 0 leaves the slot empty; a later chunk replaces what an earlier one left.
bool loadBlock(ChunkCursor& cursor, std::uint32_t size, std::optional<Bytes>& block) {
  const std::uint8_t* p = cursor.take(size);
  if (!p) return false;
  if (size == 0) {
    block.reset();
  } else {
    block.emplace(p, p + size);
  }
  return true;
}

// Reads the content of one chunk. The known chunks consume exactly the content they
// define, whatever their length field says; others are passed over by their length.
bool loadChunk(ChunkCursor& cursor, ContainerRecord& r, std::uint32_t tag, std::uint32_t length) {
  switch (tag) {
    case kContainerNameChunk:
      return loadText(cursor, r.containerName);
    case kReservedValueChunk:
      return loadWord(cursor, r.reservedValue);
    case kLengthChunk:
      return loadWord(cursor, r.lengthMm);
    case kCreatedTimeChunk: {
      const std::uint8_t* p = cursor.take(8);
      if (!p) return false;
      r.createdTime = static_cast<std::int64_t>(readLe64(p));
      return true;
    }
    case kDescriptionChunk:
      return loadText(cursor, r.description);
    case kMakerNameChunk:
      return loadText(cursor, r.makerName);
    case kTypeChunk:
      return loadWord(cursor, r.typeIndex);
    case kSideViewChunk: {
      const std::uint8_t* p = cursor.take(kSideViewHeadSize);
      if (!p) return false;
      r.sideViewReserved1 = readLe32(p);
      r.sideViewReserved2 = readLe32(p + 4);
      return loadBlock(cursor, readLe32(p + 8), r.sideViewData);
    }
    case kTextureChunk: {
      const std::uint8_t* p = cursor.take(kTextureHeadSize);
      if (!p) return false;
      r.textureWidth = readLe16(p);
      r.textureHeight = readLe16(p + 2);
      return loadBlock(cursor, readLe32(p + 4), r.textureData);
    }
    case kModelChunk: {
      const std::uint8_t* p = cursor.take(kModelHeadSize);
      return p && loadBlock(cursor, readLe32(p), r.modelData);
    }
    default:
      return cursor.take(length) != nullptr;
  }
}

// Empties record (keeping its load flags) and fills it from a chunk sequence. kFailure
// when the sequence runs past its end or lacks the end chunk; record is then partly
// filled, so it must be a fresh one that is kept only on success.
Result loadChunks(ContainerRecord& record, std::span<const std::uint8_t> chunks) {
  resetRecord(record);
  ChunkCursor cursor(chunks);
  for (;;) {
    const std::uint8_t* head = cursor.take(kChunkHeadSize);
    if (!head) return kFailure;
    const std::uint32_t tag = readLe32(head);
    if (tag >= kEndChunk) break;
    if (!loadChunk(cursor, record, tag, readLe32(head + 4))) return kFailure;
  }
  if (record.lastLoadPlain) record.plainFileLoaded = true;
  // A model too short to hold its vertex count leaves the count at 0.
  if (record.modelData && record.modelData->size() >= 12) {
    record.modelVertexCount = readLe32(record.modelData->data() + 8);
  }
  return kSuccess;
}

}  // namespace

std::optional<Bytes> buildContainerFile(const ContainerRecord& record, std::uint32_t seed) {
  // A file of the limit's size could not be opened again, so none is written.
  const std::uint64_t size = containerFileSize(record);
  if (size >= kContainerFileLimit) return std::nullopt;

  Bytes file(static_cast<std::size_t>(size));
  LittleEndianWriter out(file);
  out.putBytes(kScrambledSignature);
  out.put32(0);
  out.put32(seed);
  out.put32(0);
  putBody(out, record);
  assert(out.written() == file.size());
  applyScramble(std::span(file).subspan(kHeaderSize), static_cast<std::int32_t>(seed));
  return file;
}

Result serializeContainer(ContainerRecord& record, std::u16string_view path,
                          std::uint32_t tickCount, std::int64_t now) {
  if (!record.plainFileLoaded) record.createdTime = now;
  const auto file = buildContainerFile(record, tickCount & 0xFFFFFF);
  if (!file) return kFailure;
  return writeWholeFile(path, *file) ? kSuccess : kFailure;
}

Result parseContainerFile(ContainerRecord& record, std::span<std::uint8_t> bytes) {
  ContainerRecord loaded;
  loaded.plainFileLoaded = record.plainFileLoaded;
  std::span<const std::uint8_t> chunks;
  if (startsWith(bytes, kPlainSignature)) {
    loaded.lastLoadPlain = true;
    chunks = bytes;
  } else if (const auto seed = scrambleSeedOf(bytes)) {
    const auto body = bytes.subspan(kHeaderSize);
    applyScramble(body, *seed);
    loaded.lastLoadPlain = false;
    chunks = body;
  } else {
    return kFailure;
  }
  if (failed(loadChunks(loaded, chunks))) return kFailure;
  record = std::move(loaded);
  return kSuccess;
}

std::optional<ContainerForm> containerFormOf(std::span<const std::uint8_t> file) {
  if (startsWith(file, kPlainSignature)) return ContainerForm::Plain;
  if (scrambleSeedOf(file)) return ContainerForm::Scrambled;
  return std::nullopt;
}

std::optional<std::int32_t> scrambleSeedOf(std::span<const std::uint8_t> file) {
  if (file.size() < kHeaderSize || !startsWith(file, kScrambledSignature)) return std::nullopt;
  return static_cast<std::int32_t>(readLe32(file.data() + 8));
}

}  // namespace qel
