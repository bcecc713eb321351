#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace qel {

// The new content of a file is written to a temporary beside it, named
// ".<name>.qeltmp-<8 random letters or digits>": hidden, and marked so that no other
// program's file is ever taken for one of ours. A temporary is held (see
// OpenMode::CreateNew) while its save runs; the next save of the same file removes the ones
// that no one holds any more, which a killed save left behind.
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

// Removes target's temporaries that no running save holds.
void removeStaleTemporaries(const platform::FolderAndName& target);

}  // namespace qel
