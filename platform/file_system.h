#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/write_failure.h"

namespace qel::platform {

// Paths are UTF-16 as the program keeps them; each implementation converts them to the
// operating system's encoding at this boundary. Relative paths are relative to the
// process's current folder.

// What tells one file from another whatever the path that reached it (hard links, case
// variants, ./ prefixes): the device and inode, or the volume and file index on Windows.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  friend auto operator<=>(const FileIdentity&, const FileIdentity&) = default;
};

class FileReader {
 public:
  virtual ~FileReader() = default;
  // The file's length, or nothing when it cannot be told.
  virtual std::optional<std::uint64_t> length() = 0;
  // The open file's identity, or nothing where the system cannot tell it.
  virtual std::optional<FileIdentity> identity() { return std::nullopt; }
  // Reads up to into.size() bytes; answers the count read (0 at the end), or nothing on
  // an error.
  virtual std::optional<std::size_t> read(std::span<std::uint8_t> into) = 0;
};

// A file open for writing, closed (never removed) with its owner. Each call answers
// WriteReason::None or why it failed.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  // All of bytes at the current position.
  virtual WriteFailure write(std::span<const std::uint8_t> bytes) = 0;
  // Back to the first byte.
  virtual WriteFailure rewind() = 0;
  // Takes the disk room for length bytes now, without changing the file's length, so that
  // writing them later cannot run out of room. Where the file system cannot, does nothing.
  virtual WriteFailure reserve(std::uint64_t length) = 0;
  virtual WriteFailure setLength(std::uint64_t length) = 0;
  // Flushes the content to disk.
  virtual WriteFailure sync() = 0;
  // Gives this file the protection of the file at path (its mode and, where the process may
  // set it, its owner; on Windows its hidden, system and not-indexed attributes), or a new
  // file's when path is empty.
  virtual WriteFailure takeProtectionOf(std::u16string_view path) = 0;
  // Renames this file over target atomically; it stays open.
  virtual WriteFailure replace(std::u16string_view target) = 0;
};

// A path split after its last folder separator; folder keeps the separator and is empty
// for a bare name in the current folder.
struct FolderAndName {
  std::u16string folder;
  std::u16string name;
};

// path split after its last folder separator as this system takes them, without following
// any link; nothing for a path that ends in a separator.
std::optional<FolderAndName> splitAtName(std::u16string_view path);
// name appended to the path of its folder with this system's separator.
void appendName(std::u16string& folder, std::u16string_view name);

// An entry of a folder as a walk sees it.
struct FolderEntry {
  enum class Kind { File, Folder, Other };
  std::u16string name;
  // A link is followed to a file but never into a folder (Other), so that no walk loops.
  Kind kind = Kind::Other;
  // false for a name the system does not hold in its encoding (bytes that are not UTF-8 on
  // Linux): name is then a stand-in for showing, which opens nothing.
  bool named = true;
};

struct FileState {
  enum class Kind { Missing, File, NotAFile } kind = Kind::Missing;
  bool readOnly = false;  // no write permission bit, or the read-only attribute
  // Why a plain write of the existing file would be refused; None when it would not.
  WriteFailure writeRefusal = WriteReason::None;
};

// What tells that a file was written again, cheap enough to ask many times a second.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // the last write, in the system's own units
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

enum class OpenMode {
  // Makes a file that must not exist yet. While it is open, removeIfUnused passes it by.
  CreateNew,
  // Opens an existing file without cutting it.
  Existing,
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens an existing file for reading; other readers may share it, writers may not.
  virtual std::unique_ptr<FileReader> openForReading(std::u16string_view path) = 0;
  // The names (not paths) of the entries of a folder; empty when it cannot be read.
  virtual std::vector<std::u16string> listFolder(std::u16string_view folder) = 0;
  // The entries of a folder, with the folder closed again; nothing when it cannot be opened
  // or read to its end.
  virtual std::optional<std::vector<FolderEntry>> readFolder(std::u16string_view folder) = 0;

  // The file that path names once symbolic links are followed (it may not exist yet), split
  // as this system splits paths; nothing for a loop, a dangling junction or a path that
  // names no file.
  virtual std::optional<FolderAndName> resolve(std::u16string_view path) = 0;
  virtual FileState inspect(std::u16string_view path) = 0;
  // The identity of the file or folder at path, links followed; nothing when none is there.
  virtual std::optional<FileIdentity> identify(std::u16string_view path) = 0;
  // Whether the entry at path is itself a symbolic link (on Windows any reparse point, a
  // junction too), whatever it leads to.
  virtual bool isLink(std::u16string_view path) = 0;
  // Nothing when path names no file that can be told.
  virtual std::optional<FileStamp> stamp(std::u16string_view path) = 0;
  virtual std::unique_ptr<WritableFile> openForWriting(std::u16string_view path, OpenMode mode,
                                                       WriteFailure& why) = 0;
  virtual bool remove(std::u16string_view path) = 0;
  // Removes the regular file at path unless a CreateNew handle of it is open, in any process.
  virtual bool removeIfUnused(std::u16string_view path) = 0;
  // Fills bytes from the system's random source.
  virtual bool randomBytes(std::span<std::uint8_t> bytes) = 0;
  // Makes the folder's entries durable where the system can; elsewhere does nothing.
  virtual bool syncFolder(std::u16string_view folder) = 0;
};

}  // namespace qel::platform
