#pragma once

#include <cstdint>
#include <limits>
#include <optional>

#include "platform/file_system.h"

namespace qel::test {

// The system's file system with faults injected on demand. It puts itself in place of the
// system's for its lifetime; the faults apply to every file opened meanwhile.
class FaultyFileSystem final : public platform::FileSystem {
 public:
  struct Faults {
    bool openFails = false;
    bool lengthUnknown = false;
    std::optional<std::uint64_t> readEndsAfter;   // the file seems to end early
    std::optional<std::uint64_t> readFailsAfter;  // a read reports an error
    std::size_t largestRead = std::numeric_limits<std::size_t>::max();  // short pieces
    bool beginReplacingFails = false;
    std::optional<std::uint64_t> writeFailsAfter;
    bool commitFails = false;
  };

  FaultyFileSystem();
  ~FaultyFileSystem() override;
  FaultyFileSystem(const FaultyFileSystem&) = delete;
  FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;

  Faults faults;

  std::unique_ptr<platform::FileReader> openForReading(std::u16string_view path) override;
  std::unique_ptr<platform::FileReplacement> beginReplacing(std::u16string_view path) override;
  std::vector<std::u16string> listFolder(std::u16string_view folder) override;
};

}  // namespace qel::test
