#include "check/folder_walk.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/os.h"

namespace qel {
namespace {

using platform::FolderEntry;

class Walk {
 public:
  Walk(std::u16string_view path, const std::function<bool(std::u16string_view)>& wanted,
       const std::function<void(std::u16string_view)>& onFile, const DiagnosticSink& onProblem)
      : path_(path), wanted_(wanted), onFile_(onFile), onProblem_(onProblem) {}

  // Walks the folder at path_, whose entries are given; path_ is one string that each level
  // lengthens and cuts back, so that no level keeps a path of its own.
  void walk(std::vector<FolderEntry> entries, std::size_t depth) {
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    const std::size_t length = path_.size();
    for (FolderEntry& entry : entries) {
      platform::appendName(path_, entry.name);
      take(entry, depth);
      path_.resize(length);
    }
  }

 private:
  void take(const FolderEntry& entry, std::size_t depth) {
    if (!entry.named) {
      problem("walk.name-not-utf8",
              "the name is not UTF-8 (for instance code page 932), so it cannot be opened; "
              "rename it");
    } else if (entry.kind == FolderEntry::Kind::File) {
      if (wanted_(path_)) onFile_(path_);
    } else if (entry.kind != FolderEntry::Kind::Folder) {
      return;
    } else if (depth == kDeepestWalk) {
      problem("walk.too-deep", "the folder lies more than " + std::to_string(kDeepestWalk) +
                                   " folders deep and is not entered");
    } else if (auto inner = platform::fileSystem().readFolder(path_)) {
      walk(std::move(*inner), depth + 1);
    } else {
      problem("walk.folder-unreadable", "the folder cannot be read");
    }
  }

  void problem(const char* code, std::string message) {
    onProblem_({path_, 0, Severity::Error, code, std::move(message)});
  }

  std::u16string path_;
  const std::function<bool(std::u16string_view)>& wanted_;
  const std::function<void(std::u16string_view)>& onFile_;
  const DiagnosticSink& onProblem_;
};

}  // namespace

bool walkFolder(std::u16string_view path, const std::function<bool(std::u16string_view)>& wanted,
                const std::function<void(std::u16string_view)>& onFile,
                const DiagnosticSink& onProblem) {
  auto entries = platform::fileSystem().readFolder(path);
  if (!entries) return false;
  Walk walk(path, wanted, onFile, onProblem);
  walk.walk(std::move(*entries), 1);
  return true;
}

}  // namespace qel
