#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "base/bytes.h"
#include "base/result.h"
#include "container/chunk_source.h"
#include "container/container_record.h"
#include "container/piece_writer.h"

namespace qel {

// Tags of the chunks of a container file.
enum ContainerChunkTag : std::uint32_t {
  kPlainFormMarker = 0x00801000,
  kContainerNameChunk = 0x801001,
  kReservedValueChunk = 0x801002,
  kLengthChunk = 0x801003,
  kCreatedTimeChunk = 0x801004,
  kDescriptionChunk = 0x801005,
  kMakerNameChunk = 0x801006,
  kTypeChunk = 0x801007,
  kSideViewChunk = 0x801020,
  kTextureChunk = 0x801101,
  kModelChunk = 0x801102,
  kEndChunk = 0x801FFF,
};

// No container file is written as large as this or larger, and none that large is opened.
inline constexpr std::size_t kContainerFileLimit = 0x20000000;
inline constexpr std::size_t kScrambledHeaderSize = 16;
// Files are written and read in pieces of this size, never held whole beside the record.
inline constexpr std::size_t kContainerFilePiece = std::size_t{1} << 20;

// The size of the scrambled file of record; nothing when it would reach limit. Every
// writer keeps to kContainerFileLimit; a smaller limit lets its edge be tried on small files.
std::optional<std::uint64_t> containerFileSize(const ContainerRecord& record,
                                               std::uint64_t limit = kContainerFileLimit);

// Lays out the scrambled file of record with seed and hands it to sink in pieces; false
// when the file would reach kContainerFileLimit (then sink gets nothing) or sink refused.
// A createdTime given is written in place of the record's.
bool serializeContainerPieces(const ContainerRecord& record, std::uint32_t seed,
                              PieceWriter::Sink sink,
                              std::optional<std::int64_t> createdTime = std::nullopt);

// The scrambled file of record with seed, whole; nothing when it would reach
// kContainerFileLimit.
std::optional<Bytes> serializeContainerBytes(const ContainerRecord& record, std::uint32_t seed);

enum class ContainerParse { Parsed, NotAContainer, Damaged };

// Told of each text chunk as a parse reads it: whether its stored units hold a terminator
// within the field. The record's copy is terminated either way, cutting the last unit.
using TextChunkObserver = std::function<void(ContainerChunkTag tag, bool terminated)>;

// Parses the container file of either form that source delivers into a fresh record, which
// replaces record only when it parsed. Damaged: a chunk runs past the end, the chunks stop
// at any tag but the end chunk's, or the file could not be read to its end.
ContainerParse parseContainerChunks(ContainerRecord& record, ChunkSource& source,
                                    const TextChunkObserver& observeText = {});

// parseContainerChunks over a whole file in memory: kFailure for a file of neither form or
// a damaged one, and record stays exactly as it was.
Result parseContainerFile(ContainerRecord& record, std::span<const std::uint8_t> bytes);

enum class ContainerForm { Scrambled, Plain };

// The form that a file's first bytes name; nothing when they name neither or the file is
// shorter than its form's header.
std::optional<ContainerForm> containerFormOf(std::span<const std::uint8_t> file);

// The seed in the header of a scrambled container file; nothing for any other bytes.
std::optional<std::int32_t> scrambleSeedOf(std::span<const std::uint8_t> file);

}  // namespace qel
