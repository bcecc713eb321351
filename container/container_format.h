#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/bytes.h"
#include "base/result.h"
#include "container/container_record.h"

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

// The scrambled file of record with seed, exactly sized; nothing when the file would reach
// kContainerFileLimit.
std::optional<Bytes> buildContainerFile(const ContainerRecord& record, std::uint32_t seed);

// Saves record as a scrambled container file at path, replacing it atomically. The seed
// is tickCount's low 24 bits. createdTime becomes now, before the write and whatever its
// outcome, unless a plain file was loaded. kFailure when the file could not be built or
// written; an earlier file at path then stays as it was.
Result serializeContainer(ContainerRecord& record, std::u16string_view path,
                          std::uint32_t tickCount, std::int64_t now);

// Loads a whole container file of either form into record. The bytes of a scrambled file
// are unscrambled in place. A file of neither form, or one that ends before its end chunk,
// is refused with kFailure and record stays exactly as it was.
Result parseContainerFile(ContainerRecord& record, std::span<std::uint8_t> bytes);

enum class ContainerForm { Scrambled, Plain };

// The form that a file's first bytes name; nothing when they name neither or the file is
// shorter than its form's header.
std::optional<ContainerForm> containerFormOf(std::span<const std::uint8_t> file);

// The seed in the header of a scrambled container file; nothing for any other bytes.
std::optional<std::int32_t> scrambleSeedOf(std::span<const std::uint8_t> file);

}  // namespace qel
