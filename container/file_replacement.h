#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "platform/write_failure.h"

namespace qel {

// Writes a new content of a file; the file changes only when commit() succeeds, and a
// replacement destroyed before that leaves no trace. Once a call has failed, failure()
// tells why and every later call fails too.
class FileReplacement {
 public:
  virtual ~FileReplacement() = default;
  // Answers true when every byte was taken.
  virtual bool write(std::span<const std::uint8_t> bytes) = 0;
  // Puts the new content in the file's place.
  virtual bool commit() = 0;
  platform::WriteFailure failure() const { return failure_; }

 protected:
  // Keeps the first cause; always false.
  bool fail(platform::WriteFailure cause);
  // True for WriteReason::None, else fail(outcome).
  bool check(platform::WriteFailure outcome);

 private:
  platform::WriteFailure failure_ = platform::WriteReason::None;
};

enum class ReplacementMode {
  // Written to a temporary beside the file and renamed over it: a failure or a kill at any
  // point leaves the earlier file whole.
  Beside,
  // The folder takes no new file but the file may be written: the new content is written
  // over the old one. A failure puts the earlier bytes back, but a save killed meanwhile
  // leaves the file torn.
  InPlace,
  Refused,
};

// What a replacement does with a symbolic link that stands at the path's name.
enum class LinkAtName {
  // The file it names gets the new content and the link stays: an author's own link to the
  // part they save.
  Follow,
  // The link is replaced by the new file and what it named is left alone: an output never
  // writes through a link that someone else planted in its folder.
  Replace,
};

// How a save to path would be written, found as beginReplacing finds it (a temporary is
// made and removed again); with Refused, why (when given) tells the cause.
ReplacementMode replacementModeOf(std::u16string_view path, platform::WriteFailure* why = nullptr,
                                  LinkAtName links = LinkAtName::Follow);

// Starts replacing (or creating) the file at path, taken as it is. A symbolic link at its
// name is treated as links says; one replaced is never written in place. Another
// hard link of the file keeps the earlier content. The file keeps its mode and, where the
// process may set it, its owner. Refused (nothing, with the cause in why when given) for a
// folder or device, a read-only file (even for root), a file a plain write would be refused,
// or a folder that takes no new file where no file can be written in place; a refused save
// writes nothing.
std::unique_ptr<FileReplacement> beginReplacing(std::u16string_view path,
                                                platform::WriteFailure* why = nullptr,
                                                LinkAtName links = LinkAtName::Follow);

// Removes the temporaries that killed saves of path left (see container/temporary_file.h);
// answers how many.
std::size_t sweepStaleTemporaries(std::u16string_view path);

}  // namespace qel
