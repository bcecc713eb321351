#include "platform/file_change_watch.h"

#include <algorithm>

#include "platform/os.h"

namespace qel::platform {

std::vector<std::optional<FileStamp>> FileChangeWatch::stampsOf(
    const std::vector<std::u16string>& paths) const {
  std::vector<std::optional<FileStamp>> stamps;
  stamps.reserve(paths.size());
  for (const std::u16string& path : paths) stamps.push_back(fileSystem().stamp(path));
  return stamps;
}

void FileChangeWatch::watch(int group, const std::vector<std::u16string>& paths) {
  groups_[group] = {paths, stampsOf(paths), std::nullopt};
}

std::vector<int> FileChangeWatch::poll() {
  const std::uint32_t now = clock().tickMilliseconds();
  std::vector<int> changed;
  for (auto& [group, watched] : groups_) {
    std::vector<std::optional<FileStamp>> stamps = stampsOf(watched.paths);
    if (stamps != watched.stamps) {
      watched.stamps = std::move(stamps);
      watched.writtenAt = now;
      continue;
    }
    // The tick counter wraps; the difference of two ticks does not.
    const bool quiet = watched.writtenAt && now - *watched.writtenAt >= quiet_;
    const bool present = std::all_of(watched.stamps.begin(), watched.stamps.end(),
                                     [](const auto& stamp) { return stamp.has_value(); });
    if (quiet && present) {
      watched.writtenAt.reset();
      changed.push_back(group);
    }
  }
  return changed;
}

}  // namespace qel::platform
