#include "container/container_file.h"

#include "container/container_format.h"
#include "container/file_replacement.h"
#include "platform/os.h"

namespace qel {

Result serializeContainer(ContainerRecord& record, std::u16string_view path,
                          std::uint32_t tickCount, std::int64_t now) {
  if (!record.plainFileLoaded) record.createdTime = now;
  // Refused before the file is touched.
  if (!containerFileSize(record)) return kFailure;
  auto file = beginReplacing(path);
  if (!file) return kFailure;
  const bool written = writeContainerFile(
      record, tickCount & 0xFFFFFF,
      [&file](std::span<const std::uint8_t> piece) { return file->write(piece); });
  return written && file->commit() ? kSuccess : kFailure;
}

ContainerFileOpening openContainerFile(ContainerRecord& record, std::u16string_view path,
                                       const TextChunkObserver& observeText) {
  ContainerFileOpening opening;
  auto file = platform::fileSystem().openForReading(path);
  const auto length = file ? file->length() : std::nullopt;
  if (!length || *length == 0) {
    opening.refusal = ContainerFileRefusal::Unreadable;
    return opening;
  }
  opening.fileSize = *length;
  if (*length >= kContainerFileLimit) {
    opening.refusal = ContainerFileRefusal::TooLarge;
    return opening;
  }
  ChunkSource source(*file, *length, kContainerFilePiece);
  opening.seed = scrambleSeedOf(source.peek(kScrambledHeaderSize));
  const ContainerLoad load = loadContainerFile(record, source, observeText);
  if (source.readFailed()) {
    opening.refusal = ContainerFileRefusal::Unreadable;
  } else if (load == ContainerLoad::NotAContainer) {
    opening.refusal = ContainerFileRefusal::NotAContainer;
  } else if (load == ContainerLoad::Damaged) {
    opening.refusal = ContainerFileRefusal::Damaged;
  }
  return opening;
}

}  // namespace qel
