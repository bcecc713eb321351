#include "app/watched_sources.h"

#include <algorithm>

namespace qel {
namespace {

using resources::SourceFileRole;
using resources::SourceKind;

std::size_t slotOf(SourceKind kind) {
  return static_cast<std::size_t>(kind);
}

}  // namespace

void WatchedSources::watch(SourceKind kind, SourceFile source,
                           const std::vector<std::u16string>& materialLibraries,
                           const std::vector<std::u16string>& textures) {
  Watched watched{std::move(source), {}, {}};
  const auto add = [&](const std::u16string& file, SourceFileRole role) {
    if (file.empty()) return;
    watched.files.push_back(file);
    watched.roles.push_back(role);
  };
  add(watched.source.path, SourceFileRole::Source);
  for (const std::u16string& file : materialLibraries) add(file, SourceFileRole::MaterialLibrary);
  for (const std::u16string& file : textures) add(file, SourceFileRole::Texture);
  watch_.watch(static_cast<int>(kind), watched.files);
  watched_[slotOf(kind)] = std::move(watched);
  std::erase_if(waiting_, [&](const SourceChange& change) { return change.kind == kind; });
}

void WatchedSources::forget(SourceKind kind) {
  watch_.watch(static_cast<int>(kind), {});
  watched_[slotOf(kind)].reset();
  std::erase_if(waiting_, [&](const SourceChange& change) { return change.kind == kind; });
}

const SourceFile* WatchedSources::source(SourceKind kind) const {
  const std::optional<Watched>& watched = watched_[slotOf(kind)];
  return watched ? &watched->source : nullptr;
}

void WatchedSources::look() {
  for (const platform::FileChangeWatch::Change& written : watch_.poll()) {
    const auto kind = static_cast<SourceKind>(written.group);
    const std::optional<Watched>& watched = watched_[slotOf(kind)];
    if (!watched || written.written.empty()) continue;
    // The file set itself is named when it was among those written; else the first.
    const std::size_t named = written.written.front();
    SourceChange change{kind, watched->source, watched->roles[named], watched->files[named]};
    const auto noted = std::find_if(waiting_.begin(), waiting_.end(),
                                    [&](const SourceChange& other) { return other.kind == kind; });
    if (noted == waiting_.end()) {
      waiting_.push_back(std::move(change));
    } else if (change.role == SourceFileRole::Source) {
      *noted = std::move(change);
    }
  }
}

std::optional<SourceChange> WatchedSources::takeChange() {
  if (waiting_.empty()) return std::nullopt;
  SourceChange change = std::move(waiting_.front());
  waiting_.erase(waiting_.begin());
  return change;
}

}  // namespace qel
