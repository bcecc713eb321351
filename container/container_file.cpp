#include "container/container_file.h"

#include <limits>

#include "container/container_format.h"
#include "container/file_replacement.h"
#include "container/whole_file.h"
#include "platform/os.h"

namespace qel {

namespace {

// One attempt of a save; a cancel through progress is told as such.
void writeOnce(ContainerSave& save, const ContainerRecord& record, std::u16string_view path,
               std::uint32_t tickCount, std::int64_t createdTime, Progress& progress,
               std::uint64_t size) {
  platform::WriteFailure why = platform::WriteReason::Other;
  auto file = beginReplacing(path, &why);
  std::uint64_t written = 0;
  bool cancelled = false;
  const auto sink = [&](std::span<const std::uint8_t> piece) {
    if (!file->write(piece)) return false;
    written += piece.size();
    cancelled = !progress.advance(written, size);
    return !cancelled;
  };
  const bool saved = file &&
                     serializeContainerPieces(record, tickCount & 0xFFFFFF, sink, createdTime) &&
                     file->commit();
  save.refusal = ContainerSave::Refusal::None;
  save.cause = platform::WriteReason::None;
  if (cancelled) {
    save.refusal = ContainerSave::Refusal::Cancelled;
  } else if (!saved) {
    save.refusal = ContainerSave::Refusal::WriteFailed;
    save.cause = file ? file->failure() : why;
    if (save.cause == platform::WriteReason::None) save.cause = platform::WriteReason::Other;
  }
}

}  // namespace

ContainerSave serializeContainer(const ContainerRecord& record, std::u16string_view path,
                                 std::uint32_t tickCount, std::int64_t createdTime,
                                 Progress& progress) {
  ContainerSave save;
  // Refused before the file is touched.
  const auto size = containerFileSize(record, std::numeric_limits<std::uint64_t>::max());
  save.fileSize = size.value_or(0);
  if (!size || *size >= kContainerFileLimit) {
    save.refusal = ContainerSave::Refusal::TooLarge;
    return save;
  }
  writeOnce(save, record, path, tickCount, createdTime, progress, *size);
  // A save killed meanwhile may have left a temporary since this one began: once its room
  // is free, one attempt more.
  if (save.cause == platform::WriteReason::DiskFull && sweepStaleTemporaries(path) > 0) {
    writeOnce(save, record, path, tickCount, createdTime, progress, *size);
  }
  return save;
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
  const ContainerParse parse = parseContainerChunks(record, source, observeText);
  if (source.readFailed()) {
    opening.refusal = ContainerFileRefusal::Unreadable;
  } else if (parse == ContainerParse::NotAContainer) {
    opening.refusal = ContainerFileRefusal::NotAContainer;
  } else if (parse == ContainerParse::Damaged) {
    opening.refusal = ContainerFileRefusal::Damaged;
  }
  return opening;
}

std::string englishText(const ContainerFileOpening& opening) {
  switch (opening.refusal) {
    case ContainerFileRefusal::None:
      break;
    case ContainerFileRefusal::Unreadable:
      return std::string(kUnreadableText);
    case ContainerFileRefusal::TooLarge:
      return std::to_string(opening.fileSize) + " bytes; container files are smaller than " +
             std::to_string(kContainerFileLimit);
    case ContainerFileRefusal::NotAContainer:
      return "not a container file";
    case ContainerFileRefusal::Damaged:
      return "damaged container file (a chunk runs past the end or the end chunk is missing)";
  }
  return {};
}

std::string englishText(const ContainerSave& save) {
  switch (save.refusal) {
    case ContainerSave::Refusal::None:
      break;
    case ContainerSave::Refusal::TooLarge:
      return "the container would reach " + std::to_string(kContainerFileLimit) + " bytes";
    case ContainerSave::Refusal::WriteFailed:
      return englishText(save.cause);
    case ContainerSave::Refusal::Cancelled:
      return "cancelled";
  }
  return {};
}

}  // namespace qel
