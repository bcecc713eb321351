#include "tests/support/faulty_file_system.h"

#include <algorithm>

#include "platform/os.h"

namespace qel::test {
namespace {

using platform::WriteFailure;
using platform::WriteReason;

platform::FileSystem& real() {
  return platform::systemFileSystem();
}

class FaultyReader final : public platform::FileReader {
 public:
  FaultyReader(std::unique_ptr<platform::FileReader> inner, FaultyFileSystem& files)
      : inner_(std::move(inner)), files_(files) {}

  std::optional<std::uint64_t> length() override {
    if (files_.faults.lengthUnknown || !files_.nextCallRuns()) return std::nullopt;
    return inner_->length();
  }

  std::optional<std::size_t> read(std::span<std::uint8_t> into) override {
    const FaultyFileSystem::Faults& faults = files_.faults;
    std::size_t want = std::min(into.size(), faults.largestRead);
    if (faults.readFailsAfter && done_ + want > *faults.readFailsAfter) return std::nullopt;
    if (faults.readEndsAfter) {
      want = static_cast<std::size_t>(std::min<std::uint64_t>(want, *faults.readEndsAfter - done_));
    }
    if (!files_.nextCallRuns()) return std::nullopt;
    const auto got = inner_->read(into.first(want));
    if (got) done_ += *got;
    return got;
  }

 private:
  std::unique_ptr<platform::FileReader> inner_;
  FaultyFileSystem& files_;
  std::uint64_t done_ = 0;
};

class FaultyWritable final : public platform::WritableFile {
 public:
  FaultyWritable(std::unique_ptr<platform::WritableFile> inner, FaultyFileSystem& files)
      : inner_(std::move(inner)), files_(files) {}

  WriteFailure write(std::span<const std::uint8_t> bytes) override {
    const auto& limit = files_.faults.writeFailsAfter;
    if (limit && done_ + bytes.size() > *limit) {
      const auto part = static_cast<std::size_t>(*limit - done_);
      if (run([&] { return inner_->write(bytes.first(part)); }) == WriteReason::None) {
        done_ += part;
      }
      return files_.faults.cause;
    }
    const WriteFailure outcome = run([&] { return inner_->write(bytes); });
    if (outcome == WriteReason::None) done_ += bytes.size();
    return outcome;
  }
  WriteFailure rewind() override {
    done_ = 0;
    return run([&] { return inner_->rewind(); });
  }
  WriteFailure reserve(std::uint64_t length) override {
    return run([&] { return inner_->reserve(length); });
  }
  WriteFailure setLength(std::uint64_t length) override {
    return run([&] { return inner_->setLength(length); });
  }
  WriteFailure sync() override {
    return run([&] { return inner_->sync(); });
  }
  WriteFailure takeProtectionOf(std::u16string_view path) override {
    return run([&] { return inner_->takeProtectionOf(path); });
  }
  WriteFailure replace(std::u16string_view target) override {
    return run([&] { return inner_->replace(target); });
  }

 private:
  template <class Call>
  WriteFailure run(Call call) {
    return files_.nextCallRuns() ? call() : files_.faults.cause;
  }

  std::unique_ptr<platform::WritableFile> inner_;
  FaultyFileSystem& files_;
  std::uint64_t done_ = 0;
};

}  // namespace

FaultyFileSystem::FaultyFileSystem() {
  platform::useFileSystem(this);
}
FaultyFileSystem::~FaultyFileSystem() {
  platform::useFileSystem(nullptr);
}

bool FaultyFileSystem::nextCallRuns() {
  const std::size_t call = ++calls;
  const bool runs = (!faults.lastCall || call <= *faults.lastCall) && faults.failingCall != call;
  if (!runs) ++failed;
  return runs;
}

std::unique_ptr<platform::FileReader> FaultyFileSystem::openForReading(std::u16string_view path) {
  if (faults.openFails || !nextCallRuns()) return nullptr;
  auto inner = real().openForReading(path);
  if (!inner) return nullptr;
  return std::make_unique<FaultyReader>(std::move(inner), *this);
}

std::vector<std::u16string> FaultyFileSystem::listFolder(std::u16string_view folder) {
  if (!nextCallRuns()) return {};
  return real().listFolder(folder);
}

std::optional<std::vector<platform::FolderEntry>> FaultyFileSystem::readFolder(
    std::u16string_view folder) {
  if (!nextCallRuns()) return std::nullopt;
  return real().readFolder(folder);
}

std::optional<platform::FolderAndName> FaultyFileSystem::resolve(std::u16string_view path) {
  if (!nextCallRuns()) return std::nullopt;
  return real().resolve(path);
}

platform::FileState FaultyFileSystem::inspect(std::u16string_view path) {
  if (!nextCallRuns()) return {platform::FileState::Kind::NotAFile, false, faults.cause};
  return real().inspect(path);
}

std::optional<platform::FileIdentity> FaultyFileSystem::identify(std::u16string_view path) {
  if (!nextCallRuns()) return std::nullopt;
  return real().identify(path);
}

bool FaultyFileSystem::isLink(std::u16string_view path) {
  return nextCallRuns() && real().isLink(path);
}

std::optional<platform::FileStamp> FaultyFileSystem::stamp(std::u16string_view path) {
  if (!nextCallRuns()) return std::nullopt;
  return real().stamp(path);
}

std::unique_ptr<platform::WritableFile> FaultyFileSystem::openForWriting(std::u16string_view path,
                                                                         platform::OpenMode mode,
                                                                         WriteFailure& why) {
  if (!nextCallRuns()) {
    why = faults.cause;
    return nullptr;
  }
  if (faults.newFilesRefused && mode == platform::OpenMode::CreateNew) {
    why = WriteReason::NoPermission;
    return nullptr;
  }
  auto inner = real().openForWriting(path, mode, why);
  if (!inner) return nullptr;
  return std::make_unique<FaultyWritable>(std::move(inner), *this);
}

bool FaultyFileSystem::remove(std::u16string_view path) {
  return nextCallRuns() && real().remove(path);
}

bool FaultyFileSystem::removeIfUnused(std::u16string_view path) {
  return nextCallRuns() && real().removeIfUnused(path);
}

bool FaultyFileSystem::randomBytes(std::span<std::uint8_t> bytes) {
  return nextCallRuns() && real().randomBytes(bytes);
}

bool FaultyFileSystem::syncFolder(std::u16string_view folder) {
  return nextCallRuns() && real().syncFolder(folder);
}

}  // namespace qel::test
