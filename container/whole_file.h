#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/bytes.h"

namespace qel {

inline constexpr std::uint64_t kLargestReadable = 0xFFFFFFFFu;

// The whole content of a file, or nothing when it cannot be opened or read, is empty,
// holds more than largest bytes (at most 4 GiB - 1), or delivers fewer bytes than its
// length.
std::optional<Bytes> readWholeFile(std::u16string_view path,
                                   std::uint64_t largest = kLargestReadable);

// The first count bytes of a file, or all of a shorter one; refused as readWholeFile
// refuses, whatever the length of the rest: for a caller that needs only a header.
std::optional<Bytes> readFileHead(std::u16string_view path, std::size_t count);

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
