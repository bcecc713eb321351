#include "container/in_place_replacement.h"

#include <algorithm>

#include "base/bytes.h"
#include "platform/os.h"

namespace qel {
namespace {

using platform::WriteFailure;
using platform::WriteReason;

// The first count bytes of the file that reader delivers, read piece by piece.
std::optional<Bytes> frontOf(platform::FileReader& reader, std::uint64_t count) {
  Bytes bytes(static_cast<std::size_t>(count));
  for (std::size_t done = 0; done < bytes.size();) {
    const auto got = reader.read(std::span(bytes).subspan(done));
    if (!got || *got == 0) return std::nullopt;
    done += *got;
  }
  return bytes;
}

// The new content is written over the front of the earlier file, whose bytes beyond it stay
// until the very end, when the file is cut to the new length. So only the front that is
// overwritten is kept to undo a failure: a small part saved over a large file copies no more
// than the part.
class InPlaceReplacement final : public FileReplacement {
 public:
  InPlaceReplacement(std::u16string path, std::unique_ptr<platform::FileReader> earlier,
                     std::uint64_t earlierLength)
      : path_(std::move(path)), earlier_(std::move(earlier)), earlierLength_(earlierLength) {}

  bool write(std::span<const std::uint8_t> bytes) override {
    if (failure() != WriteReason::None) return false;
    content_.insert(content_.end(), bytes.begin(), bytes.end());
    return true;
  }

  bool commit() override {
    if (failure() != WriteReason::None) return false;
    // Read before the file is opened for writing, which on Windows shuts other readers out.
    const auto front = frontOf(*earlier_, std::min<std::uint64_t>(content_.size(), earlierLength_));
    earlier_.reset();
    if (!front) return fail(WriteReason::NoPermission);
    WriteFailure why = WriteReason::None;
    auto file = platform::fileSystem().openForWriting(path_, platform::OpenMode::Existing, why);
    if (!file) return fail(why);
    if (!check(file->reserve(content_.size()))) return false;
    if (overwrite(*file, content_) && check(file->setLength(content_.size()))) {
      // The new content was on disk before the cut; a failed sync of the cut undoes nothing.
      file->sync();
      return true;
    }
    // Back to the earlier front, and length where the new content went beyond it.
    if (overwrite(*file, *front) && file->setLength(earlierLength_) == WriteReason::None) {
      file->sync();
    }
    return false;
  }

 private:
  bool overwrite(platform::WritableFile& file, const Bytes& bytes) {
    return check(file.rewind()) && check(file.write(bytes)) && check(file.sync());
  }

  std::u16string path_;
  std::unique_ptr<platform::FileReader> earlier_;
  std::uint64_t earlierLength_;
  Bytes content_;
};

}  // namespace

std::unique_ptr<FileReplacement> beginInPlaceReplacement(std::u16string_view path,
                                                         WriteFailure& why) {
  // A file that cannot be read could not be put back after a failure.
  auto earlier = platform::fileSystem().openForReading(path);
  const auto length = earlier ? earlier->length() : std::nullopt;
  if (!length) {
    why = WriteReason::NoPermission;
    return nullptr;
  }
  return std::make_unique<InPlaceReplacement>(std::u16string(path), std::move(earlier), *length);
}

}  // namespace qel
