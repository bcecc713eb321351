#include "container/whole_file.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "container/file_replacement.h"
#include "platform/os.h"

namespace qel {
namespace {
constexpr std::size_t kPiece = std::size_t{1} << 20;

// The first bytes of an open file, at most count of them; nothing as readWholeFile
// refuses, and for a file longer than largest.
std::optional<Bytes> readFront(platform::FileReader& file, std::uint64_t count,
                               std::uint64_t largest) {
  const auto length = file.length();
  if (!length || *length == 0 || *length > std::min(largest, kLargestReadable)) {
    return std::nullopt;
  }
  Bytes bytes(static_cast<std::size_t>(std::min(*length, count)));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const std::size_t want = std::min(kPiece, bytes.size() - done);
    const auto got = file.read(std::span(bytes).subspan(done, want));
    if (!got || *got == 0) return std::nullopt;  // an error, or the file shrank
    done += *got;
  }
  return bytes;
}

std::optional<Bytes> readFront(std::u16string_view path, std::uint64_t count,
                               std::uint64_t largest) {
  auto file = platform::fileSystem().openForReading(path);
  if (!file) return std::nullopt;
  return readFront(*file, count, largest);
}

}  // namespace

std::optional<Bytes> readWholeFile(std::u16string_view path, std::uint64_t largest) {
  return readFront(path, kLargestReadable, largest);
}

std::optional<Bytes> readWholeFile(platform::FileReader& file, std::uint64_t largest) {
  return readFront(file, kLargestReadable, largest);
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
    platform::WriteFailure cause = platform::WriteReason::None;
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
  using platform::WriteReason;
  switch (failure.reason) {
    case WriteReason::ReadOnly:
      return "cannot be written: the file is read-only";
    case WriteReason::NoPermission:
      return "cannot be written: no permission";
    case WriteReason::DiskFull:
      return "cannot be written: the disk is full";
    case WriteReason::FolderMissing:
      return "cannot be written: the folder does not exist";
    case WriteReason::PathTooLong:
      return "cannot be written: the path is too long";
    case WriteReason::HeldByOther:
      return "cannot be written: another program holds the file";
    case WriteReason::None:
    case WriteReason::Other:
      break;
  }
  if (failure.systemError == 0) return "cannot be written";
  return "cannot be written: " + std::string(failure.call) + " failed with system error " +
         std::to_string(failure.systemError);
}

}  // namespace qel
