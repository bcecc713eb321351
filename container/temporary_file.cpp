#include "container/temporary_file.h"

#include <array>

#include "platform/os.h"

namespace qel {
namespace {

constexpr std::u16string_view kMarker = u".qelcontainer-save-";
constexpr std::size_t kRandomCount = 16;
// Lower case only, since Windows does not tell cases apart in names.
constexpr std::u16string_view kAlphabet = u"0123456789abcdefghijklmnopqrstuvwxyz";
// A name holds 255 UTF-8 bytes on Linux and 255 UTF-16 units on Windows.
constexpr std::size_t kLongestName = 255;
constexpr std::size_t kLongestStem = kLongestName - 1 - kMarker.size() - kRandomCount;
// A fresh name is tried again when making it fails for no reason a retry would not meet.
constexpr int kAttempts = 8;

std::size_t utf8Length(char16_t unit) {
  if (unit < 0x80) return 1;
  if (unit < 0x800) return 2;
  return unit >= 0xD800 && unit < 0xE000 ? 2 : 3;  // half of a 4-byte pair
}

// The start of name that keeps its temporary's name within the limit.
std::u16string_view stemOf(std::u16string_view name) {
  std::size_t bytes = 0;
  std::size_t units = 0;
  while (units < name.size() && bytes + utf8Length(name[units]) <= kLongestStem) {
    bytes += utf8Length(name[units++]);
  }
  // A pair is never cut in two.
  if (units > 0 && units < name.size() && name[units - 1] >= 0xD800 && name[units - 1] < 0xDC00) {
    --units;
  }
  return name.substr(0, units);
}

std::u16string prefixOf(std::u16string_view name) {
  std::u16string prefix = u".";
  prefix += stemOf(name);
  prefix += kMarker;
  return prefix;
}

std::optional<std::u16string> randomPart() {
  std::array<std::uint8_t, kRandomCount> random{};
  if (!platform::fileSystem().randomBytes(random)) return std::nullopt;
  std::u16string part;
  for (const std::uint8_t byte : random) part += kAlphabet[byte % kAlphabet.size()];
  return part;
}

}  // namespace

std::unique_ptr<TemporaryFile> TemporaryFile::create(const platform::FolderAndName& target,
                                                     platform::WriteFailure& why) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const auto random = randomPart();
    if (!random) break;
    std::u16string path = target.folder + prefixOf(target.name) + *random;
    auto file = platform::fileSystem().openForWriting(path, platform::OpenMode::CreateNew, why);
    if (file) return std::unique_ptr<TemporaryFile>(new TemporaryFile(std::move(file), path));
    if (why != platform::WriteReason::Other) return nullptr;
  }
  why = platform::WriteReason::Other;
  return nullptr;
}

TemporaryFile::TemporaryFile(std::unique_ptr<platform::WritableFile> file, std::u16string path)
    : file_(std::move(file)), path_(std::move(path)) {}

TemporaryFile::~TemporaryFile() {
  file_.reset();
  if (!placed_) platform::fileSystem().remove(path_);
}

platform::WriteFailure TemporaryFile::replace(std::u16string_view target) {
  const platform::WriteFailure outcome = file_->replace(target);
  placed_ = outcome == platform::WriteReason::None;
  return outcome;
}

bool isTemporaryOf(std::u16string_view entry, std::u16string_view targetName) {
  const std::u16string prefix = prefixOf(targetName);
  return entry.size() == prefix.size() + kRandomCount && entry.starts_with(prefix) &&
         entry.substr(prefix.size()).find_first_not_of(kAlphabet) == std::u16string_view::npos;
}

std::size_t removeStaleTemporaries(const platform::FolderAndName& target) {
  platform::FileSystem& files = platform::fileSystem();
  std::size_t removed = 0;
  for (const std::u16string& entry : files.listFolder(target.folder)) {
    if (isTemporaryOf(entry, target.name) && files.removeIfUnused(target.folder + entry)) {
      ++removed;
    }
  }
  return removed;
}

}  // namespace qel
