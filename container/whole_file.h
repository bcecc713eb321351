#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/bytes.h"

namespace qel {

// The whole content of a file, or nothing when it cannot be opened or read, is empty,
// holds sizeLimit bytes (at most 4 GiB) or more, or delivers fewer bytes than its length.
// A file over the limit is refused by its length, before anything is read.
std::optional<Bytes> readWholeFile(std::u16string_view path,
                                   std::uint64_t sizeLimit = std::uint64_t{1} << 32);

// Makes bytes the complete content of the file at path. The file is replaced atomically:
// on failure the earlier file (if any) is as it was and nothing new is left behind.
bool writeWholeFile(std::u16string_view path, std::span<const std::uint8_t> bytes);

struct FileContent {
  std::u16string_view path;
  std::span<const std::uint8_t> bytes;
};

// Writes several files together: when one of them cannot be begun or written, none is
// touched. Each is replaced atomically, and they are put in place one after the other
// only once all are written.
bool writeWholeFiles(std::span<const FileContent> files);

}  // namespace qel
