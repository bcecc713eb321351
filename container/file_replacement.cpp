#include "container/file_replacement.h"

#include <optional>
#include <string>

#include "container/in_place_replacement.h"
#include "container/temporary_file.h"
#include "platform/os.h"

namespace qel {
namespace {

using platform::FileState;
using platform::WriteFailure;
using platform::WriteReason;

struct Plan {
  platform::FolderAndName target;
  std::u16string path;                       // folder and name joined
  std::unique_ptr<TemporaryFile> temporary;  // none when written in place
};

// Decides how path would be replaced; nothing, with why, when it is refused.
std::optional<Plan> plan(std::u16string_view path, LinkAtName links, WriteFailure& why) {
  platform::FileSystem& files = platform::fileSystem();
  // A link to be replaced is taken as a new file: nothing passes through it.
  const bool replacesLink = links == LinkAtName::Replace && files.isLink(path);
  auto target = replacesLink ? platform::splitAtName(path) : files.resolve(path);
  if (!target) {
    why = WriteReason::Other;
    return std::nullopt;
  }
  Plan plan{*target, target->folder + target->name, nullptr};
  const FileState state = replacesLink ? FileState{} : files.inspect(plan.path);
  const bool exists = state.kind == FileState::Kind::File;
  if (state.kind == FileState::Kind::NotAFile) {
    why = state.writeRefusal == WriteReason::None ? WriteReason::Other : state.writeRefusal;
    return std::nullopt;
  }
  // A rename alone would pass over the file's protection: refused as a plain write would be.
  if (exists && (state.readOnly || state.writeRefusal != WriteReason::None)) {
    why = state.readOnly ? WriteReason::ReadOnly : state.writeRefusal;
    return std::nullopt;
  }
  // What killed saves left takes no room from this one.
  removeStaleTemporaries(plan.target);
  plan.temporary = TemporaryFile::create(plan.target, why);
  if (plan.temporary) {
    why = plan.temporary->file().takeProtectionOf(exists ? plan.path : std::u16string());
    if (why != WriteReason::None) return std::nullopt;
    return plan;
  }
  // A folder that takes no new file: an existing file is written in place, so that it can
  // still be saved.
  if (exists && why == WriteReason::NoPermission) {
    why = WriteReason::None;
    return plan;
  }
  return std::nullopt;
}

class BesideReplacement final : public FileReplacement {
 public:
  explicit BesideReplacement(Plan plan) : plan_(std::move(plan)) {}

  bool write(std::span<const std::uint8_t> bytes) override {
    return failure() == WriteReason::None && check(plan_.temporary->file().write(bytes));
  }

  bool commit() override {
    if (failure() != WriteReason::None || !check(plan_.temporary->file().sync()) ||
        !check(plan_.temporary->replace(plan_.path))) {
      return false;
    }
    // The rename is done; a folder that cannot be synced or swept fails nothing.
    platform::fileSystem().syncFolder(plan_.target.folder);
    removeStaleTemporaries(plan_.target);
    return true;
  }

 private:
  Plan plan_;
};

}  // namespace

bool FileReplacement::fail(WriteFailure cause) {
  if (failure_ == WriteReason::None) failure_ = cause;
  return false;
}

bool FileReplacement::check(WriteFailure outcome) {
  return outcome == WriteReason::None || fail(outcome);
}

ReplacementMode replacementModeOf(std::u16string_view path, WriteFailure* why, LinkAtName links) {
  WriteFailure cause = WriteReason::None;
  const auto found = plan(path, links, cause);
  if (why) *why = cause;
  if (!found) return ReplacementMode::Refused;
  return found->temporary ? ReplacementMode::Beside : ReplacementMode::InPlace;
}

std::unique_ptr<FileReplacement> beginReplacing(std::u16string_view path, WriteFailure* why,
                                                LinkAtName links) {
  WriteFailure cause = WriteReason::None;
  auto found = plan(path, links, cause);
  std::unique_ptr<FileReplacement> replacement;
  if (found && found->temporary) {
    replacement = std::make_unique<BesideReplacement>(std::move(*found));
  } else if (found) {
    replacement = beginInPlaceReplacement(found->path, cause);
  }
  if (why) *why = cause;
  return replacement;
}

std::size_t sweepStaleTemporaries(std::u16string_view path) {
  const auto target = platform::fileSystem().resolve(path);
  return target ? removeStaleTemporaries(*target) : 0;
}

}  // namespace qel
