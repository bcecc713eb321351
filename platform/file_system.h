#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qel::platform {

// Paths are UTF-16 as the program keeps them; each implementation converts them to the
// operating system's encoding at this boundary. Relative paths are relative to the
// process's current folder.

class FileReader {
 public:
  virtual ~FileReader() = default;
  // The file's length, or nothing when it cannot be told.
  virtual std::optional<std::uint64_t> length() = 0;
  // Reads up to into.size() bytes; answers the count read (0 at the end), or nothing on
  // an error.
  virtual std::optional<std::size_t> read(std::span<std::uint8_t> into) = 0;
};

// Writes a new content for a file beside it; the file itself changes only when commit()
// succeeds. A writer destroyed without a successful commit leaves no trace. The one
// exception: a file that may be written in a folder that takes no new file is written in
// place, so a failure there leaves it damaged (and is reported as a failure).
class FileReplacement {
 public:
  virtual ~FileReplacement() = default;
  // Answers true when every byte was taken.
  virtual bool write(std::span<const std::uint8_t> bytes) = 0;
  // Flushes to disk and puts the new content in the file's place, atomically.
  virtual bool commit() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens an existing file for reading; other readers may share it, writers may not.
  virtual std::unique_ptr<FileReader> openForReading(std::u16string_view path) = 0;
  // Starts replacing (or creating) the file at path, or the file a symbolic link there
  // names; nothing when the file may not be written or a new one cannot be made there.
  virtual std::unique_ptr<FileReplacement> beginReplacing(std::u16string_view path) = 0;
  // The names (not paths) of the entries of a folder; empty when it cannot be read.
  virtual std::vector<std::u16string> listFolder(std::u16string_view folder) = 0;
};

}  // namespace qel::platform
