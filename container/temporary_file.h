#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace qel {

// The new content of a file is written to a temporary beside it, named
// ".<name>.qelcontainer-save-<16 random letters or digits>": hidden, and marked so that no
// other program's file, nor a user's named by chance like the short names of old, is ever
// taken for one of ours. A temporary is held (see OpenMode::CreateNew) while its save runs;
// each save of the same file first removes the ones that no one holds any more, which a
// killed save left behind. The name is the only mark: no mark in the content could go
// with the rename that ends a save, and one taken off before it would be missed on a
// temporary of a save killed in between.
class TemporaryFile {
 public:
  // Makes a temporary beside target; nothing (and why) when the folder takes no new file.
  static std::unique_ptr<TemporaryFile> create(const platform::FolderAndName& target,
                                               platform::WriteFailure& why);
  // Closes the temporary and, unless it took the target's place, removes it.
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  platform::WritableFile& file() { return *file_; }
  platform::WriteFailure replace(std::u16string_view target);

 private:
  TemporaryFile(std::unique_ptr<platform::WritableFile> file, std::u16string path);

  std::unique_ptr<platform::WritableFile> file_;
  std::u16string path_;
  bool placed_ = false;
};

// Whether entry (a name in target's folder) is a temporary of target.
bool isTemporaryOf(std::u16string_view entry, std::u16string_view targetName);

// Removes target's temporaries that no running save holds; answers how many were removed.
std::size_t removeStaleTemporaries(const platform::FolderAndName& target);

}  // namespace qel
