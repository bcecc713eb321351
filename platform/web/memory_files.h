#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace qel::platform {

// The browser's side of the file system: the page puts the files the author drops or picks
// into memory, under folders of its choosing, and learns of each file the program writes.
// Nothing of it reaches the disk or leaves the page.
class MemoryFiles {
 public:
  virtual ~MemoryFiles() = default;
  // Room for a file of size bytes at path, in place of any file there, to be filled by the
  // caller; nothing when memory is short.
  virtual std::uint8_t* make(std::u16string_view path, std::size_t size) = 0;
  // Called with a file's path and bytes each time a write of it is complete: a replacement
  // renamed over it, or a writer closed.
  virtual void onWritten(
      std::function<void(std::u16string_view, std::span<const std::uint8_t>)> handler) = 0;
};

// Files in memory as the program's file system, with the page's side of them.
class MemoryFileSystem : public FileSystem, public MemoryFiles {};
std::unique_ptr<MemoryFileSystem> makeMemoryFileSystem();

// The one the page's program uses, its system file system.
MemoryFiles& memoryFiles();

}  // namespace qel::platform
