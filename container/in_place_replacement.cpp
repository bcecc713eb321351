#include "container/in_place_replacement.h"

#include <optional>

#include "base/bytes.h"
#include "platform/os.h"

namespace qel {
namespace {

using platform::WriteFailure;
using platform::WriteReason;

std::optional<Bytes> contentOf(std::u16string_view path) {
  auto file = platform::fileSystem().openForReading(path);
  const auto length = file ? file->length() : std::nullopt;
  if (!length) return std::nullopt;
  Bytes bytes(static_cast<std::size_t>(*length));
  for (std::size_t done = 0; done < bytes.size();) {
    const auto got = file->read(std::span(bytes).subspan(done));
    if (!got || *got == 0) return std::nullopt;
    done += *got;
  }
  return bytes;
}

class InPlaceReplacement final : public FileReplacement {
 public:
  InPlaceReplacement(std::unique_ptr<platform::WritableFile> file, Bytes earlier)
      : file_(std::move(file)), earlier_(std::move(earlier)) {}

  bool write(std::span<const std::uint8_t> bytes) override {
    if (failure() != WriteReason::None) return false;
    content_.insert(content_.end(), bytes.begin(), bytes.end());
    return true;
  }

  bool commit() override {
    if (failure() != WriteReason::None || !check(file_->reserve(content_.size()))) return false;
    if (overwrite(content_)) return true;
    overwrite(earlier_);
    return false;
  }

 private:
  bool overwrite(const Bytes& bytes) {
    return check(file_->rewind()) && check(file_->write(bytes)) &&
           check(file_->setLength(bytes.size())) && check(file_->sync());
  }

  std::unique_ptr<platform::WritableFile> file_;
  Bytes earlier_;
  Bytes content_;
};

}  // namespace

std::unique_ptr<FileReplacement> beginInPlaceReplacement(std::u16string_view path,
                                                         WriteFailure& why) {
  // Without a copy of the earlier bytes a failure could not be undone.
  auto earlier = contentOf(path);
  if (!earlier) {
    why = WriteReason::NoPermission;
    return nullptr;
  }
  auto file = platform::fileSystem().openForWriting(path, platform::OpenMode::Existing, why);
  if (!file) return nullptr;
  return std::make_unique<InPlaceReplacement>(std::move(file), std::move(*earlier));
}

}  // namespace qel
