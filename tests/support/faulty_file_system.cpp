#include "tests/support/faulty_file_system.h"

#include <algorithm>

#include "platform/os.h"

namespace qel::test {
namespace {

class FaultyReader final : public platform::FileReader {
 public:
  FaultyReader(std::unique_ptr<platform::FileReader> inner, const FaultyFileSystem::Faults& faults)
      : inner_(std::move(inner)), faults_(faults) {}

  std::optional<std::uint64_t> length() override {
    if (faults_.lengthUnknown) return std::nullopt;
    return inner_->length();
  }

  std::optional<std::size_t> read(std::span<std::uint8_t> into) override {
    std::size_t want = std::min(into.size(), faults_.largestRead);
    if (faults_.readFailsAfter && done_ + want > *faults_.readFailsAfter) return std::nullopt;
    if (faults_.readEndsAfter) {
      want =
          static_cast<std::size_t>(std::min<std::uint64_t>(want, *faults_.readEndsAfter - done_));
    }
    const auto got = inner_->read(into.first(want));
    if (got) done_ += *got;
    return got;
  }

 private:
  std::unique_ptr<platform::FileReader> inner_;
  const FaultyFileSystem::Faults& faults_;
  std::uint64_t done_ = 0;
};

class FaultyReplacement final : public platform::FileReplacement {
 public:
  FaultyReplacement(std::unique_ptr<platform::FileReplacement> inner,
                    const FaultyFileSystem::Faults& faults)
      : inner_(std::move(inner)), faults_(faults) {}

  bool write(std::span<const std::uint8_t> bytes) override {
    if (faults_.writeFailsAfter && done_ + bytes.size() > *faults_.writeFailsAfter) {
      // Part of the bytes reach the temporary file before the failure.
      const auto part = static_cast<std::size_t>(*faults_.writeFailsAfter - done_);
      inner_->write(bytes.first(part));
      done_ += part;
      return false;
    }
    done_ += bytes.size();
    return inner_->write(bytes);
  }

  bool commit() override { return !faults_.commitFails && inner_->commit(); }

 private:
  std::unique_ptr<platform::FileReplacement> inner_;
  const FaultyFileSystem::Faults& faults_;
  std::uint64_t done_ = 0;
};

}  // namespace

FaultyFileSystem::FaultyFileSystem() {
  platform::useFileSystem(this);
}
FaultyFileSystem::~FaultyFileSystem() {
  platform::useFileSystem(nullptr);
}

std::unique_ptr<platform::FileReader> FaultyFileSystem::openForReading(std::u16string_view path) {
  if (faults.openFails) return nullptr;
  auto inner = platform::systemFileSystem().openForReading(path);
  if (!inner) return nullptr;
  return std::make_unique<FaultyReader>(std::move(inner), faults);
}

std::unique_ptr<platform::FileReplacement> FaultyFileSystem::beginReplacing(
    std::u16string_view path) {
  if (faults.beginReplacingFails) return nullptr;
  auto inner = platform::systemFileSystem().beginReplacing(path);
  if (!inner) return nullptr;
  return std::make_unique<FaultyReplacement>(std::move(inner), faults);
}

std::vector<std::u16string> FaultyFileSystem::listFolder(std::u16string_view folder) {
  return platform::systemFileSystem().listFolder(folder);
}

}  // namespace qel::test
