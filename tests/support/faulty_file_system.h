#pragma once

#include <atomic>
#include <cstdint>
#include <limits>
#include <optional>

#include "platform/file_system.h"

namespace qel::test {

// The system's file system with faults injected on demand. It puts itself in place of the
// system's for its lifetime; the faults apply to every file opened meanwhile. Every call of
// the file system, its readers and its writable files counts as one I/O call; closing a
// file is no call and always happens, as it does when a process dies.
class FaultyFileSystem final : public platform::FileSystem {
 public:
  struct Faults {
    bool openFails = false;
    bool lengthUnknown = false;
    std::optional<std::uint64_t> readEndsAfter;   // the file seems to end early
    std::optional<std::uint64_t> readFailsAfter;  // a read reports an error
    std::size_t largestRead = std::numeric_limits<std::size_t>::max();  // short pieces
    std::optional<std::uint64_t> writeFailsAfter;  // bytes into a file; part of them reach it
    bool newFilesRefused = false;                  // as a folder the user may not add to
    std::optional<std::size_t> failingCall;        // this call (from 1) fails, with cause
    platform::WriteFailure cause = platform::WriteReason::Other;
    // Every call after this one fails without reaching the disk, as after a kill.
    std::optional<std::size_t> lastCall;
  };

  FaultyFileSystem();
  ~FaultyFileSystem() override;
  FaultyFileSystem(const FaultyFileSystem&) = delete;
  FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;

  Faults faults;
  std::atomic<std::size_t> calls = 0;   // I/O calls counted so far
  std::atomic<std::size_t> failed = 0;  // of them, those made to fail

  // Counts a call; false when it is to fail.
  bool nextCallRuns();

  std::unique_ptr<platform::FileReader> openForReading(std::u16string_view path) override;
  std::vector<std::u16string> listFolder(std::u16string_view folder) override;
  std::optional<std::vector<platform::FolderEntry>> readFolder(std::u16string_view folder) override;
  std::optional<platform::FolderAndName> resolve(std::u16string_view path) override;
  platform::FileState inspect(std::u16string_view path) override;
  std::optional<platform::FileIdentity> identify(std::u16string_view path) override;
  bool isLink(std::u16string_view path) override;
  std::optional<platform::FileStamp> stamp(std::u16string_view path) override;
  std::unique_ptr<platform::WritableFile> openForWriting(std::u16string_view path,
                                                         platform::OpenMode mode,
                                                         platform::WriteFailure& why) override;
  bool remove(std::u16string_view path) override;
  bool removeIfUnused(std::u16string_view path) override;
  bool randomBytes(std::span<std::uint8_t> bytes) override;
  bool syncFolder(std::u16string_view folder) override;
};

}  // namespace qel::test
