#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_change_watch.h"
#include "resources/shell_texts.h"

namespace qel {

// A file that the model, texture or side view was set from, to set again when it changes.
struct SourceFile {
  std::u16string path;
  bool repaired = false;  // the author had the model repaired
  float scale = 1.0f;     // the model's positions were multiplied by it
  // The image the author picked for the faces of a model whose materials name no texture.
  std::u16string imageForAll;
};

// A source whose files were written again, waiting to be offered.
struct SourceChange {
  resources::SourceKind kind = resources::SourceKind::Model;
  SourceFile source;
  resources::SourceFileRole role = resources::SourceFileRole::Source;
  std::u16string writtenFile;  // the file the offer names
};

// The files that the model, the texture and the side view of one part were set from, with
// what they were made of, watched for being written again.
class WatchedSources {
 public:
  // Watches source (and, for a model, its material libraries and textures) as kind, in
  // place of what kind watched before.
  void watch(resources::SourceKind kind, SourceFile source,
             const std::vector<std::u16string>& materialLibraries = {},
             const std::vector<std::u16string>& textures = {});
  void forget(resources::SourceKind kind);
  // What kind is watched as; nothing when it is not.
  const SourceFile* source(resources::SourceKind kind) const;

  // Takes note of the sources written since the last look.
  void look();
  // The change noted first, taken off; nothing when none waits.
  std::optional<SourceChange> takeChange();

 private:
  struct Watched {
    SourceFile source;
    std::vector<std::u16string> files;
    std::vector<resources::SourceFileRole> roles;  // by file
  };
  std::array<std::optional<Watched>, 3> watched_;
  platform::FileChangeWatch watch_;
  std::vector<SourceChange> waiting_;
};

}  // namespace qel
