#include "container/container_file.h"

#include <limits>

#include "container/container_format.h"
#include "container/file_replacement.h"
#include "container/whole_file.h"
#include "platform/os.h"

namespace qel {

namespace {

// One attempt of a save; save.fileSize is set.
void writeOnce(ContainerSave& save, const ContainerRecord& record, std::u16string_view path,
               std::uint32_t tickCount, std::int64_t createdTime) {
  platform::WriteFailure why = platform::WriteFailure::Other;
  auto file = beginReplacing(path, &why);
  const bool written =
      file &&
      serializeContainerPieces(
          record, tickCount & 0xFFFFFF,
          [&file](std::span<const std::uint8_t> piece) { return file->write(piece); },
          createdTime) &&
      file->commit();
  save.refusal = written ? ContainerSave::Refusal::None : ContainerSave::Refusal::WriteFailed;
  save.cause = written ? platform::WriteFailure::None : file ? file->failure() : why;
  if (!written && save.cause == platform::WriteFailure::None) {
    save.cause = platform::WriteFailure::Other;
  }
}

}  // namespace

ContainerSave serializeContainer(const ContainerRecord& record, std::u16string_view path,
                                 std::uint32_t tickCount, std::int64_t createdTime) {
  ContainerSave save;
  // Refused before the file is touched.
  const auto size = containerFileSize(record, std::numeric_limits<std::uint64_t>::max());
  save.fileSize = size.value_or(0);
  if (!size || *size >= kContainerFileLimit) {
    save.refusal = ContainerSave::Refusal::TooLarge;
    return save;
  }
  writeOnce(save, record, path, tickCount, createdTime);
  // A save killed meanwhile may have left a temporary since this one began: once its room
  // is free, one attempt more.
  if (save.cause == platform::WriteFailure::DiskFull && sweepStaleTemporaries(path) > 0) {
    writeOnce(save, record, path, tickCount, createdTime);
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
  const ContainerLoad load = parseContainerChunks(record, source, observeText);
  if (source.readFailed()) {
    opening.refusal = ContainerFileRefusal::Unreadable;
  } else if (load == ContainerLoad::NotAContainer) {
    opening.refusal = ContainerFileRefusal::NotAContainer;
  } else if (load == ContainerLoad::Damaged) {
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
  }
  return {};
}

}  // namespace qel
