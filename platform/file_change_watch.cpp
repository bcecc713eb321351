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
  groups_[group] = {paths, stampsOf(paths), std::nullopt, std::vector<bool>(paths.size())};
}

std::vector<FileChangeWatch::Change> FileChangeWatch::poll() {
  const std::uint32_t now = clock().tickMilliseconds();
  std::vector<Change> changed;
  for (auto& [group, watched] : groups_) {
    std::vector<std::optional<FileStamp>> stamps = stampsOf(watched.paths);
    if (stamps != watched.stamps) {
      for (std::size_t i = 0; i < stamps.size(); ++i) {
        if (stamps[i] != watched.stamps[i]) watched.written[i] = true;
      }
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
      Change change{group, {}};
      for (std::size_t i = 0; i < watched.written.size(); ++i) {
        if (watched.written[i]) change.written.push_back(i);
      }
      watched.written.assign(watched.written.size(), false);
      changed.push_back(std::move(change));
    }
  }
  return changed;
}

}  // namespace qel::platform
