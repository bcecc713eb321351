#include "container/container_format.h"

#include <algorithm>
#include <bit>
#include <cassert>

#include "base/little_endian.h"

namespace qel {
namespace {

constexpr std::uint8_t kScrambledSignature[4] = {0x24, 0x25, 0x26, 0x00};
constexpr std::uint8_t kPlainSignature[4] = {0x00, 0x10, 0x80, 0x00};
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
void putText(PieceWriter& out, const FixedText<N>& text) {
  out.put32(static_cast<std::uint32_t>(2 * N));
  for (char16_t unit : text.units()) out.put16(unit);
}

void putHead(PieceWriter& out, ContainerChunkTag tag, std::size_t length) {
  out.put32(tag);
  out.put32(static_cast<std::uint32_t>(length));
}

void putBody(PieceWriter& out, const ContainerRecord& r, std::int64_t createdTime) {
  out.put32(kContainerNameChunk);
  putText(out, r.containerName);
  putHead(out, kReservedValueChunk, 4);
  out.put32(static_cast<std::uint32_t>(r.reservedValue));
  putHead(out, kLengthChunk, 4);
  out.put32(std::bit_cast<std::uint32_t>(r.lengthMm));
  putHead(out, kCreatedTimeChunk, 8);
  out.put64(static_cast<std::uint64_t>(createdTime));
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

// ---- Reading ----

// Texts are taken as stored, then terminated within the field whatever the file held.
template <std::size_t N>
bool loadText(ChunkSource& source, FixedText<N>& text, ContainerChunkTag tag,
              const TextChunkObserver& observeText) {
  std::uint8_t bytes[2 * N];
  if (!source.take(bytes)) return false;
  auto& units = text.units();
  for (std::size_t i = 0; i < N; ++i) units[i] = readLe16(bytes + 2 * i);
  if (observeText) observeText(tag, std::find(units.begin(), units.end(), u'\0') != units.end());
  text.terminate();
  return true;
}

template <typename T>
bool loadWord(ChunkSource& source, T& field) {
  static_assert(sizeof(T) == 4);
  std::uint8_t bytes[4];
  if (!source.take(bytes)) return false;
  field = std::bit_cast<T>(readLe32(bytes));
  return true;
}

// A size of 0 leaves the slot empty; a later chunk replaces what an earlier one left. A
// size beyond the end of the file is refused before anything is made for it.
bool loadBlock(ChunkSource& source, std::uint32_t size, std::optional<Bytes>& block) {
  if (size > source.left()) return false;
  if (size == 0) {
    block.reset();
    return true;
  }
  Bytes bytes(size);
  if (!source.take(bytes)) return false;
  block = std::move(bytes);
  return true;
}

// Reads the content of one chunk. The known chunks consume exactly the content they
// define, whatever their length field says; others are passed over by their length.
bool loadChunk(ChunkSource& source, ContainerRecord& r, std::uint32_t tag, std::uint32_t length,
               const TextChunkObserver& observeText) {
  switch (tag) {
    case kContainerNameChunk:
      return loadText(source, r.containerName, kContainerNameChunk, observeText);
    case kReservedValueChunk:
      return loadWord(source, r.reservedValue);
    case kLengthChunk:
      return loadWord(source, r.lengthMm);
    case kCreatedTimeChunk: {
      std::uint8_t bytes[8];
      if (!source.take(bytes)) return false;
      r.createdTime = static_cast<std::int64_t>(readLe64(bytes));
      return true;
    }
    case kDescriptionChunk:
      return loadText(source, r.description, kDescriptionChunk, observeText);
    case kMakerNameChunk:
      return loadText(source, r.makerName, kMakerNameChunk, observeText);
    case kTypeChunk:
      return loadWord(source, r.typeIndex);
    case kSideViewChunk: {
      std::uint8_t head[kSideViewHeadSize];
      if (!source.take(head)) return false;
      r.sideViewReserved1 = readLe32(head);
      r.sideViewReserved2 = readLe32(head + 4);
      return loadBlock(source, readLe32(head + 8), r.sideViewData);
    }
    case kTextureChunk: {
      std::uint8_t head[kTextureHeadSize];
      if (!source.take(head)) return false;
      r.textureWidth = readLe16(head);
      r.textureHeight = readLe16(head + 2);
      return loadBlock(source, readLe32(head + 4), r.textureData);
    }
    case kModelChunk: {
      std::uint8_t head[kModelHeadSize];
      return source.take(head) && loadBlock(source, readLe32(head), r.modelData);
    }
    default:
      return source.skip(length);
  }
}

// Empties record and fills it from the chunk sequence that source
// delivers. false when the sequence runs past its end or stops at any tag but the end
// chunk's, which every writer of the format puts last: random bytes behind a header end the
// walk at once, and must not open as an empty part. record is then partly filled, so it
// must be a fresh one that is kept only on success.
bool walkChunks(ContainerRecord& record, ChunkSource& source,
                const TextChunkObserver& observeText) {
  resetRecord(record);
  for (;;) {
    std::uint8_t head[kChunkHeadSize];
    if (!source.take(head)) return false;
    const std::uint32_t tag = readLe32(head);
    if (tag == kEndChunk) break;
    if (tag > kEndChunk) return false;
    if (!loadChunk(source, record, tag, readLe32(head + 4), observeText)) return false;
  }
  // A model too short to hold its vertex count leaves the count at 0.
  if (record.modelData && record.modelData->size() >= 12) {
    record.modelVertexCount = readLe32(record.modelData->data() + 8);
  }
  return true;
}

// A whole file in memory, read as a file is.
class MemoryReader final : public platform::FileReader {
 public:
  explicit MemoryReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::optional<std::uint64_t> length() override { return bytes_.size(); }
  std::optional<std::size_t> read(std::span<std::uint8_t> into) override {
    const std::size_t count = std::min(into.size(), bytes_.size());
    std::copy_n(bytes_.begin(), count, into.begin());
    bytes_ = bytes_.subspan(count);
    return count;
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace

std::optional<std::uint64_t> containerFileSize(const ContainerRecord& r, std::uint64_t limit) {
  std::uint64_t size = kScrambledHeaderSize + kFixedChunksSize;
  if (r.sideViewData) size += kChunkHeadSize + kSideViewHeadSize + r.sideViewData->size();
  size += kChunkHeadSize + kModelHeadSize + sizeOf(r.modelData);
  size += kChunkHeadSize + kTextureHeadSize + sizeOf(r.textureData);
  size += kChunkHeadSize;
  // A file of the limit's size could not be opened again, so none is written.
  if (size >= limit) return std::nullopt;
  return size;
}

bool serializeContainerPieces(const ContainerRecord& record, std::uint32_t seed,
                              PieceWriter::Sink sink, std::optional<std::int64_t> createdTime) {
  const auto size = containerFileSize(record);
  if (!size) return false;
  PieceWriter out(static_cast<std::size_t>(std::min<std::uint64_t>(*size, kContainerFilePiece)),
                  std::move(sink));
  out.putBytes(kScrambledSignature);
  out.put32(0);
  out.put32(seed);
  out.put32(0);
  out.scrambleFromHere(static_cast<std::int32_t>(seed));
  putBody(out, record, createdTime.value_or(record.createdTime));
  return out.finish();
}

std::optional<Bytes> serializeContainerBytes(const ContainerRecord& record, std::uint32_t seed) {
  const auto size = containerFileSize(record);
  if (!size) return std::nullopt;
  Bytes file;
  file.reserve(static_cast<std::size_t>(*size));
  serializeContainerPieces(record, seed, [&file](std::span<const std::uint8_t> piece) {
    file.insert(file.end(), piece.begin(), piece.end());
    return true;
  });
  assert(file.size() == *size);
  return file;
}

ContainerParse parseContainerChunks(ContainerRecord& record, ChunkSource& source,
                                    const TextChunkObserver& observeText) {
  ContainerRecord parsed;
  const auto header = source.peek(kScrambledHeaderSize);
  const auto form = containerFormOf(header);
  if (!form) return ContainerParse::NotAContainer;
  if (form == ContainerForm::Scrambled) {
    const std::int32_t seed = *scrambleSeedOf(header);
    source.skip(kScrambledHeaderSize);
    source.unscrambleFromHere(seed);
  }
  if (!walkChunks(parsed, source, observeText)) return ContainerParse::Damaged;
  record = std::move(parsed);
  return ContainerParse::Parsed;
}

Result parseContainerFile(ContainerRecord& record, std::span<const std::uint8_t> bytes) {
  MemoryReader reader(bytes);
  ChunkSource source(reader, bytes.size(), kContainerFilePiece);
  return parseContainerChunks(record, source) == ContainerParse::Parsed ? kSuccess : kFailure;
}

std::optional<ContainerForm> containerFormOf(std::span<const std::uint8_t> file) {
  if (startsWith(file, kPlainSignature)) return ContainerForm::Plain;
  if (scrambleSeedOf(file)) return ContainerForm::Scrambled;
  return std::nullopt;
}

std::optional<std::int32_t> scrambleSeedOf(std::span<const std::uint8_t> file) {
  if (file.size() < kScrambledHeaderSize || !startsWith(file, kScrambledSignature))
    return std::nullopt;
  return static_cast<std::int32_t>(readLe32(file.data() + 8));
}

}  // namespace qel
