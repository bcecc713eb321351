#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>

#include "platform/os.h"
#include "platform/web/memory_files.h"

namespace qel::platform {
namespace {

// A file's bytes, grown with realloc so that running short of memory is a refusal, not the end
// of the program (the C++ library of this build cannot report it otherwise).
class Buffer {
 public:
  std::span<const std::uint8_t> bytes() const { return {data_.get(), size_}; }
  std::uint8_t* data() { return data_.get(); }

  bool resize(std::size_t size) {
    if (size > capacity_) {
      const std::size_t wanted = std::max(size, capacity_ + capacity_ / 2);
      auto* grown = static_cast<std::uint8_t*>(std::realloc(data_.get(), wanted ? wanted : 1));
      if (grown == nullptr) return false;
      data_.release();
      data_.reset(grown);
      capacity_ = wanted;
    }
    if (size > size_) std::memset(data_.get() + size_, 0, size - size_);
    size_ = size;
    return true;
  }

 private:
  struct Free {
    void operator()(std::uint8_t* bytes) const { std::free(bytes); }
  };
  std::unique_ptr<std::uint8_t, Free> data_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

struct File {
  Buffer buffer;
  std::int64_t modified = 0;  // the count of writes to the whole file system at the last one
};

using FilePointer = std::shared_ptr<File>;

std::u16string_view folderPart(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'/');
  return slash == std::u16string_view::npos ? std::u16string_view() : path.substr(0, slash + 1);
}

class Reader final : public FileReader {
 public:
  explicit Reader(FilePointer file) : file_(std::move(file)) {}
  std::optional<std::uint64_t> length() override { return file_->buffer.bytes().size(); }
  std::optional<std::size_t> read(std::span<std::uint8_t> into) override {
    const auto bytes = file_->buffer.bytes();
    const std::size_t count = std::min(into.size(), bytes.size() - std::min(at_, bytes.size()));
    if (count != 0) std::memcpy(into.data(), bytes.data() + at_, count);
    at_ += count;
    return count;
  }

 private:
  FilePointer file_;
  std::size_t at_ = 0;
};

class Files final : public MemoryFileSystem {
 public:
  std::uint8_t* make(std::u16string_view path, std::size_t size) override {
    auto file = std::make_shared<File>();
    if (!file->buffer.resize(size)) return nullptr;
    file->modified = ++writes_;
    files_[std::u16string(path)] = file;
    return file->buffer.data();
  }

  void onWritten(
      std::function<void(std::u16string_view, std::span<const std::uint8_t>)> handler) override {
    written_ = std::move(handler);
  }

  void announce(std::u16string_view path) {
    const auto found = files_.find(path);
    if (written_ && found != files_.end()) written_(path, found->second->buffer.bytes());
  }

  std::unique_ptr<FileReader> openForReading(std::u16string_view path) override {
    const auto found = files_.find(path);
    if (found == files_.end()) return nullptr;
    return std::make_unique<Reader>(found->second);
  }

  std::vector<std::u16string> listFolder(std::u16string_view folder) override {
    std::u16string prefix(folder);
    if (!prefix.empty() && prefix.back() != u'/') prefix += u'/';
    std::set<std::u16string> names;
    for (const auto& [path, file] : files_) {
      if (!path.starts_with(prefix)) continue;
      const std::u16string_view rest = std::u16string_view(path).substr(prefix.size());
      names.emplace(rest.substr(0, rest.find(u'/')));  // a file, or the folder holding it
    }
    return {names.begin(), names.end()};
  }

  // Memory holds no links: a path is its own target.
  std::optional<FolderAndName> resolve(std::u16string_view path) override {
    return splitAtName(path);
  }

  FileState inspect(std::u16string_view path) override {
    if (files_.contains(path)) return {FileState::Kind::File, false, WriteReason::None};
    if (isFolder(path)) return {FileState::Kind::NotAFile, false, WriteReason::Other};
    return {};
  }

  std::optional<FileStamp> stamp(std::u16string_view path) override {
    const auto found = files_.find(path);
    if (found == files_.end()) return std::nullopt;
    return FileStamp{found->second->buffer.bytes().size(), found->second->modified};
  }

  // Files in memory have no links and no subfolders of their own: a folder's entries are files.
  std::optional<std::vector<FolderEntry>> readFolder(std::u16string_view folder) override {
    std::vector<FolderEntry> entries;
    for (std::u16string& name : listFolder(folder)) {
      entries.push_back({std::move(name), FolderEntry::Kind::File, true});
    }
    return entries;
  }

  // A file is itself whatever name it goes by after renames.
  std::optional<FileIdentity> identify(std::u16string_view path) override {
    const auto found = files_.find(path);
    if (found == files_.end()) return std::nullopt;
    return FileIdentity{0, reinterpret_cast<std::uintptr_t>(found->second.get())};
  }

  bool isLink(std::u16string_view) override { return false; }

  std::unique_ptr<WritableFile> openForWriting(std::u16string_view path, OpenMode mode,
                                               WriteFailure& why) override;

  bool remove(std::u16string_view path) override {
    const auto found = files_.find(path);
    if (found == files_.end()) return false;
    files_.erase(found);
    return true;
  }

  bool removeIfUnused(std::u16string_view path) override {
    return !beingMade_.contains(std::u16string(path)) && remove(path);
  }

  bool randomBytes(std::span<std::uint8_t> bytes) override {
    // getentropy gives at most 256 bytes a call.
    for (std::size_t at = 0; at < bytes.size(); at += 256) {
      if (::getentropy(bytes.data() + at, std::min<std::size_t>(256, bytes.size() - at)) != 0)
        return false;
    }
    return true;
  }

  bool syncFolder(std::u16string_view) override { return true; }

  // The writer's side.
  std::int64_t nextWrite() { return ++writes_; }
  void finishMaking(const std::u16string& path) { beingMade_.erase(path); }
  bool moveOver(const FilePointer& file, std::u16string_view from, std::u16string_view to) {
    const auto found = files_.find(from);
    if (found == files_.end() || found->second != file) return false;
    files_.erase(found);
    files_[std::u16string(to)] = file;
    return true;
  }

 private:
  bool isFolder(std::u16string_view path) const {
    std::u16string prefix(path);
    if (prefix.empty() || prefix.back() != u'/') prefix += u'/';
    const auto after = files_.lower_bound(prefix);
    return after != files_.end() && after->first.starts_with(prefix);
  }

  std::map<std::u16string, FilePointer, std::less<>> files_;
  std::set<std::u16string> beingMade_;
  std::int64_t writes_ = 0;
  std::function<void(std::u16string_view, std::span<const std::uint8_t>)> written_;
};

class Writer final : public WritableFile {
 public:
  Writer(Files& files, std::u16string path, FilePointer file, bool made)
      : files_(files), path_(std::move(path)), file_(std::move(file)), made_(made) {}
  // A file made new is announced only once renamed over its target: one left behind is a
  // temporary of a replacement that failed.
  ~Writer() override {
    if (made_) {
      files_.finishMaking(path_);
    } else if (wrote_) {
      files_.announce(path_);
    }
  }

  WriteFailure write(std::span<const std::uint8_t> bytes) override {
    const std::size_t end = at_ + bytes.size();
    if (end > file_->buffer.bytes().size() && !file_->buffer.resize(end))
      return WriteReason::DiskFull;
    if (!bytes.empty()) std::memcpy(file_->buffer.data() + at_, bytes.data(), bytes.size());
    at_ = end;
    touched();
    return WriteReason::None;
  }
  WriteFailure rewind() override {
    at_ = 0;
    return WriteReason::None;
  }
  WriteFailure reserve(std::uint64_t) override { return WriteReason::None; }
  WriteFailure setLength(std::uint64_t length) override {
    if (length > SIZE_MAX || !file_->buffer.resize(static_cast<std::size_t>(length)))
      return WriteReason::DiskFull;
    touched();
    return WriteReason::None;
  }
  WriteFailure sync() override { return WriteReason::None; }
  WriteFailure takeProtectionOf(std::u16string_view) override { return WriteReason::None; }
  WriteFailure replace(std::u16string_view target) override {
    if (!files_.moveOver(file_, path_, target)) return WriteReason::Other;
    if (made_) files_.finishMaking(path_);
    made_ = false;
    path_ = target;
    files_.announce(path_);
    wrote_ = false;
    return WriteReason::None;
  }

 private:
  void touched() {
    file_->modified = files_.nextWrite();
    wrote_ = true;
  }

  Files& files_;
  std::u16string path_;
  FilePointer file_;
  bool made_;
  std::size_t at_ = 0;
  bool wrote_ = false;
};

std::unique_ptr<WritableFile> Files::openForWriting(std::u16string_view path, OpenMode mode,
                                                    WriteFailure& why) {
  const auto found = files_.find(path);
  const bool exists = found != files_.end();
  if (mode == OpenMode::CreateNew && exists) {
    why = WriteReason::Other;
    return nullptr;
  }
  if (mode == OpenMode::Existing && !exists) {
    why = WriteReason::FolderMissing;
    return nullptr;
  }
  why = WriteReason::None;
  FilePointer file = exists ? found->second : std::make_shared<File>();
  if (!exists) {
    file->modified = ++writes_;
    files_[std::u16string(path)] = file;
    beingMade_.emplace(path);
  }
  return std::make_unique<Writer>(*this, std::u16string(path), std::move(file), !exists);
}

}  // namespace

std::unique_ptr<MemoryFileSystem> makeMemoryFileSystem() {
  return std::make_unique<Files>();
}

}  // namespace qel::platform
