#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace qel::platform {

// Watches groups of files by their stamps, on the file system and clock of os.h, each time
// the caller polls. A group counts as changed once one of its files was written and every
// one of them has then stood still for the quiet time: an export that writes a model, its
// material file and its texture one after another is one change. A file that is missing
// holds its group back until it is there again.
class FileChangeWatch {
 public:
  explicit FileChangeWatch(std::uint32_t quietMilliseconds = 1000) : quiet_(quietMilliseconds) {}

  // Watches paths as group from now on, in place of what the group watched before; their
  // present state is no change.
  void watch(int group, const std::vector<std::u16string>& paths);

  // A group that changed, with the indices (into the paths it watches) of the files written.
  struct Change {
    int group = 0;
    std::vector<std::size_t> written;
  };
  // The groups that changed since the last poll that reported them, each once, lowest first.
  std::vector<Change> poll();

 private:
  struct Watched {
    std::vector<std::u16string> paths;
    std::vector<std::optional<FileStamp>> stamps;
    std::optional<std::uint32_t> writtenAt;  // the tick of the latest write seen
    std::vector<bool> written;               // by path, since the group was last reported
  };
  std::vector<std::optional<FileStamp>> stampsOf(const std::vector<std::u16string>& paths) const;

  std::uint32_t quiet_;
  std::map<int, Watched> groups_;
};

}  // namespace qel::platform
