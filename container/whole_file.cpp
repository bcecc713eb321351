#include "container/whole_file.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "container/file_replacement.h"
#include "platform/os.h"

namespace qel {
namespace {
constexpr std::size_t kPiece = std::size_t{1} << 20;

// The first bytes of the file at path, at most count of them; nothing as readWholeFile
// refuses, and for a file longer than largest.
std::optional<Bytes> readFront(std::u16string_view path, std::uint64_t count,
                               std::uint64_t largest) {
  auto file = platform::fileSystem().openForReading(path);
  if (!file) return std::nullopt;
  const auto length = file->length();
  if (!length || *length == 0 || *length > std::min(largest, kLargestReadable)) {
    return std::nullopt;
  }
  Bytes bytes(static_cast<std::size_t>(std::min(*length, count)));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t want = std::min(kPiece, bytes.size() - done);
    const auto got = file->read(std::span(bytes).subspan(done, want));
    if (!got || *got == 0) return std::nullopt;  // an error, or the file shrank
    done += *got;
  }
  return bytes;
}

}  // namespace

std::optional<Bytes> readWholeFile(std::u16string_view path, std::uint64_t largest) {
  return readFront(path, kLargestReadable, largest);
}

std::optional<Bytes> readFileHead(std::u16string_view path, std::size_t count) {
  return readFront(path, count, kLargestReadable);
}

bool writeWholeFile(std::u16string_view path, std::span<const std::uint8_t> bytes,
                    platform::WriteFailure* why) {
  const FileContent file{path, bytes};
  return writeWholeFiles(std::span(&file, 1), why);
}

bool writeWholeFiles(std::span<const FileContent> files, platform::WriteFailure* why) {
  std::vector<std::unique_ptr<FileReplacement>> written;
  const auto failed = [why](platform::WriteFailure cause) {
    if (why) *why = cause;
    return false;
  };
  for (const FileContent& file : files) {
    platform::WriteFailure cause = platform::WriteFailure::None;
    auto replacement = beginReplacing(file.path, &cause, LinkAtName::Replace);
    if (!replacement) return failed(cause);
    if (!replacement->write(file.bytes)) return failed(replacement->failure());
    written.push_back(std::move(replacement));
  }
  for (const auto& replacement : written) {
    if (!replacement->commit()) return failed(replacement->failure());
  }
  return true;
}

std::string englishText(platform::WriteFailure failure) {
  using platform::WriteFailure;
  switch (failure) {
    case WriteFailure::ReadOnly:
      return "cannot be written: the file is read-only";
    case WriteFailure::NoPermission:
      return "cannot be written: no permission";
    case WriteFailure::DiskFull:
      return "cannot be written: the disk is full";
    case WriteFailure::FolderMissing:
      return "cannot be written: the folder does not exist";
    case WriteFailure::PathTooLong:
      return "cannot be written: the path is too long";
    case WriteFailure::None:
    case WriteFailure::Other:
      break;
  }
  return "cannot be written";
}

}  // namespace qel
