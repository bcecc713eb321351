#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/bytes.h"
#include "platform/file_system.h"
#include "platform/write_failure.h"

namespace qel {

inline constexpr std::uint64_t kLargestReadable = 0xFFFFFFFFu;

// The whole content of a file, or nothing when it cannot be opened or read, is empty,
// holds more than largest bytes (at most 4 GiB - 1), or delivers fewer bytes than its
// length.
std::optional<Bytes> readWholeFile(std::u16string_view path,
                                   std::uint64_t largest = kLargestReadable);

// The same of a file already open, read from where it stands.
std::optional<Bytes> readWholeFile(platform::FileReader& file,
                                   std::uint64_t largest = kLargestReadable);

// The first count bytes of a file, or all of a shorter one; refused as readWholeFile
// refuses, whatever the length of the rest: for a caller that needs only a header.
std::optional<Bytes> readFileHead(std::u16string_view path, std::size_t count);

// Makes bytes the complete content of the file at path, replaced as beginReplacing does
// (container/file_replacement.h) with LinkAtName::Replace: a link at its name is replaced,
// never written through. On failure the earlier file (if any) is as it was, nothing
// new is left behind, and why (when given) receives the cause.
bool writeWholeFile(std::u16string_view path, std::span<const std::uint8_t> bytes,
                    platform::WriteFailure* why = nullptr);

struct FileContent {
  std::u16string_view path;
  std::span<const std::uint8_t> bytes;
};

// Writes several files together: when one of them cannot be begun or written, none is
// touched. Each is replaced atomically, and they are put in place one after the other
// only once all are written. On failure why (when given) receives the cause.
bool writeWholeFiles(std::span<const FileContent> files, platform::WriteFailure* why = nullptr);

// A file that readWholeFile cannot give, in English.
inline constexpr std::string_view kUnreadableText = "cannot be read (missing, empty or unreadable)";

// A failed write in one line of English: "cannot be written: the disk is full", or for a
// failure of no known reason the system's error and call.
std::string englishText(platform::WriteFailure failure);

}  // namespace qel
