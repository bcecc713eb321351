#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/bytes.h"
#include "base/path_parts.h"
#include "platform/os.h"

namespace qel::test {

// Files in memory under any paths (Windows ones included), installed as the program's
// file system while it lives; remembers every path opened for reading and every one a
// replacement landed in. Shared by the tests and the fuzz targets, which must never reach
// the disk.
class MemoryFileSystem final : public platform::FileSystem {
 public:
  MemoryFileSystem() { platform::useFileSystem(this); }
  ~MemoryFileSystem() override { platform::useFileSystem(nullptr); }

  void add(std::u16string path, Bytes bytes) {
    touch(path);
    files_[std::move(path)] = std::move(bytes);
  }
  void addText(std::u16string path, std::string_view text) {
    add(std::move(path), Bytes(text.begin(), text.end()));
  }
  void makeReadOnly(std::u16string path) { readOnly_.insert(std::move(path)); }

  std::unique_ptr<platform::FileReader> openForReading(std::u16string_view path) override {
    opened.emplace_back(path);
    const auto file = files_.find(path);
    if (file == files_.end()) return nullptr;
    return std::make_unique<Reader>(file->second);
  }

  std::vector<std::u16string> listFolder(std::u16string_view folder) override {
    std::vector<std::u16string> names;
    names.reserve(files_.size());
    for (const auto& [path, bytes] : files_) {
      if (folderOf(path) == folder)
        names.emplace_back(std::u16string_view(path).substr(folder.size()));
    }
    return names;
  }

  // Files only: no folder is held of its own.
  std::optional<std::vector<platform::FolderEntry>> readFolder(
      std::u16string_view folder) override {
    std::vector<platform::FolderEntry> entries;
    for (std::u16string& name : listFolder(folder)) {
      entries.push_back({std::move(name), platform::FolderEntry::Kind::File, true});
    }
    return entries;
  }

  std::optional<platform::FolderAndName> resolve(std::u16string_view path) override {
    const std::u16string_view folder = folderOf(path);
    if (folder.size() == path.size()) return std::nullopt;
    return platform::FolderAndName{std::u16string(folder),
                                   std::u16string(path.substr(folder.size()))};
  }

  platform::FileState inspect(std::u16string_view path) override {
    if (!files_.contains(path)) return {};
    return {platform::FileState::Kind::File, readOnly_.contains(path), platform::WriteReason::None};
  }

  // Each path is a file of its own.
  std::optional<platform::FileIdentity> identify(std::u16string_view path) override {
    if (!files_.contains(path)) return std::nullopt;
    return platform::FileIdentity{0, std::hash<std::u16string_view>{}(path)};
  }

  bool isLink(std::u16string_view) override { return false; }

  // Every write gives the file a new time.
  std::optional<platform::FileStamp> stamp(std::u16string_view path) override {
    const auto file = files_.find(path);
    if (file == files_.end()) return std::nullopt;
    return platform::FileStamp{file->second.size(), writes_[std::u16string(path)]};
  }

  std::unique_ptr<platform::WritableFile> openForWriting(std::u16string_view path,
                                                         platform::OpenMode mode,
                                                         platform::WriteFailure& why) override {
    const bool exists = files_.contains(path);
    why = exists == (mode == platform::OpenMode::CreateNew) ? platform::WriteReason::Other
                                                            : platform::WriteReason::None;
    if (why != platform::WriteReason::None) return nullptr;
    files_[std::u16string(path)];
    return std::make_unique<Writable>(*this, std::u16string(path));
  }

  bool remove(std::u16string_view path) override {
    const auto file = files_.find(path);
    if (file == files_.end()) return false;
    files_.erase(file);
    return true;
  }

  bool removeIfUnused(std::u16string_view path) override {
    return !open_.contains(std::u16string(path)) && remove(path);
  }

  bool randomBytes(std::span<std::uint8_t> bytes) override {
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(++random_ * 37);
    return true;
  }

  bool syncFolder(std::u16string_view) override { return true; }

  // The file at path, or nullptr.
  const Bytes* find(std::u16string_view path) const {
    const auto file = files_.find(path);
    return file == files_.end() ? nullptr : &file->second;
  }

  std::vector<std::u16string> opened;
  std::vector<std::u16string> written;

 private:
  class Reader final : public platform::FileReader {
   public:
    explicit Reader(const Bytes& bytes) : bytes_(bytes) {}
    std::optional<std::uint64_t> length() override { return bytes_.size(); }
    std::optional<std::size_t> read(std::span<std::uint8_t> into) override {
      const std::size_t count = std::min(into.size(), bytes_.size() - at_);
      std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(at_), count, into.begin());
      at_ += count;
      return count;
    }

   private:
    const Bytes& bytes_;
    std::size_t at_ = 0;
  };

  class Writable final : public platform::WritableFile {
   public:
    Writable(MemoryFileSystem& files, std::u16string path) : files_(files), path_(std::move(path)) {
      files_.open_.insert(path_);
    }
    ~Writable() override { files_.open_.erase(path_); }

    platform::WriteFailure write(std::span<const std::uint8_t> bytes) override {
      files_.touch(path_);
      Bytes& file = files_.files_[path_];
      file.resize(std::max(file.size(), at_ + bytes.size()));
      std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at_));
      at_ += bytes.size();
      return platform::WriteReason::None;
    }
    platform::WriteFailure rewind() override {
      at_ = 0;
      return platform::WriteReason::None;
    }
    platform::WriteFailure reserve(std::uint64_t) override { return platform::WriteReason::None; }
    platform::WriteFailure setLength(std::uint64_t length) override {
      files_.touch(path_);
      files_.files_[path_].resize(static_cast<std::size_t>(length));
      return platform::WriteReason::None;
    }
    platform::WriteFailure sync() override { return platform::WriteReason::None; }
    platform::WriteFailure takeProtectionOf(std::u16string_view) override {
      return platform::WriteReason::None;
    }
    platform::WriteFailure replace(std::u16string_view target) override {
      auto file = files_.files_.extract(path_);
      file.key() = std::u16string(target);
      files_.files_.insert_or_assign(file.key(), std::move(file.mapped()));
      files_.written.emplace_back(target);
      files_.touch(target);
      return platform::WriteReason::None;
    }

   private:
    MemoryFileSystem& files_;
    std::u16string path_;
    std::size_t at_ = 0;
  };

  void touch(std::u16string_view path) { writes_[std::u16string(path)] = ++clock_; }

  std::map<std::u16string, Bytes, std::less<>> files_;  // found by views, without a copy
  std::map<std::u16string, std::int64_t> writes_;       // the time of each file's last write
  std::int64_t clock_ = 0;
  std::set<std::u16string, std::less<>> readOnly_;
  std::set<std::u16string, std::less<>> open_;  // files made new and not yet closed
  unsigned random_ = 0;
};

}  // namespace qel::test
