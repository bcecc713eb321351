#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "base/utf.h"
#include "platform/native_writable_file.h"
#include "platform/os.h"
#include "platform/posix/posix_paths.h"
#include "platform/posix/posix_write_failure.h"

namespace qel::platform {
namespace {

// An empty folder is the current one.
std::string nativeFolder(std::u16string_view folder) {
  return folder.empty() ? std::string(".") : nativePath(folder);
}

class PosixReader final : public FileReader {
 public:
  explicit PosixReader(int fd) : fd_(fd) {}
  ~PosixReader() override { ::close(fd_); }

  std::optional<std::uint64_t> length() override {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
  }

  std::optional<FileIdentity> identity() override {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
  }

  std::optional<std::size_t> read(std::span<std::uint8_t> into) override {
    for (;;) {
      const ssize_t n = ::read(fd_, into.data(), into.size());
      if (n >= 0) return static_cast<std::size_t>(n);
      if (errno != EINTR) return std::nullopt;
    }
  }

 private:
  int fd_;
};

FolderEntry::Kind kindOf(int dir, const char* name) {
  struct stat info {};
  if (::fstatat(dir, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return FolderEntry::Kind::Other;
  if (S_ISDIR(info.st_mode)) return FolderEntry::Kind::Folder;
  if (S_ISLNK(info.st_mode) && ::fstatat(dir, name, &info, 0) == 0 && S_ISREG(info.st_mode)) {
    return FolderEntry::Kind::File;
  }
  return S_ISREG(info.st_mode) ? FolderEntry::Kind::File : FolderEntry::Kind::Other;
}

class PosixFileSystem final : public FileSystem {
 public:
  std::unique_ptr<FileReader> openForReading(std::u16string_view path) override {
    const std::string native = nativePath(path);
    // Opened without waiting, so that a named pipe is refused instead of blocking for a
    // writer; reads of a regular file wait as usual once that flag is off again.
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<PosixReader>(fd);
  }

  std::vector<std::u16string> listFolder(std::u16string_view folder) override {
    std::vector<std::u16string> names;
    DIR* dir = ::opendir(nativeFolder(folder).c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir)) {
      const std::string_view name = entry->d_name;
      if (name != "." && name != "..") names.push_back(fromUtf8(name));
    }
    ::closedir(dir);
    return names;
  }

  std::optional<std::vector<FolderEntry>> readFolder(std::u16string_view folder) override {
    DIR* dir = ::opendir(nativeFolder(folder).c_str());
    if (dir == nullptr) return std::nullopt;
    std::vector<FolderEntry> entries;
    for (;;) {
      errno = 0;
      const dirent* entry = ::readdir(dir);
      if (entry == nullptr) break;
      const std::string_view name = entry->d_name;
      if (name == "." || name == "..") continue;
      std::u16string wide = fromUtf8(name);
      const bool named = toUtf8(wide) == name;
      entries.push_back({std::move(wide), kindOf(::dirfd(dir), entry->d_name), named});
    }
    const bool whole = errno == 0;
    ::closedir(dir);
    if (!whole) return std::nullopt;
    return entries;
  }

  std::optional<FolderAndName> resolve(std::u16string_view path) override {
    return resolvePosixPath(path);
  }

  FileState inspect(std::u16string_view path) override {
    const std::string native = nativePath(path);
    FileState state;
    struct stat info {};
    if (::stat(native.c_str(), &info) != 0) {
      if (errno != ENOENT) state = {FileState::Kind::NotAFile, false, lastWriteFailure("stat")};
      return state;
    }
    // Only a regular file is replaced: a rename would put a file in place of a device.
    if (!S_ISREG(info.st_mode)) return {FileState::Kind::NotAFile, false, WriteReason::Other};
    state.kind = FileState::Kind::File;
    // Root may write any file; one that nobody may write is still refused.
    state.readOnly = (info.st_mode & 0222) == 0;
    const int fd = ::open(native.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
      state.writeRefusal = lastWriteFailure("open");
    } else {
      ::close(fd);
    }
    return state;
  }

  std::optional<FileIdentity> identify(std::u16string_view path) override {
    struct stat info {};
    if (::stat(nativePath(path).c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
  }

  bool isLink(std::u16string_view path) override {
    struct stat info {};
    return ::lstat(nativePath(path).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
  }

  std::optional<FileStamp> stamp(std::u16string_view path) override {
    struct stat info {};
    if (::stat(nativePath(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return FileStamp{static_cast<std::uint64_t>(info.st_size),
                     info.st_mtim.tv_sec * 1'000'000'000 + info.st_mtim.tv_nsec};
  }

  std::unique_ptr<WritableFile> openForWriting(std::u16string_view path, OpenMode mode,
                                               WriteFailure& why) override {
    return openNativeWritable(path, mode, why);
  }

  bool remove(std::u16string_view path) override { return ::unlink(nativePath(path).c_str()) == 0; }

  bool removeIfUnused(std::u16string_view path) override { return removeUnusedNativeFile(path); }

  bool randomBytes(std::span<std::uint8_t> bytes) override {
    return ::getrandom(bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size());
  }

  bool syncFolder(std::u16string_view folder) override {
    const int dir = ::open(nativeFolder(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return false;
    const bool synced = ::fsync(dir) == 0;
    ::close(dir);
    return synced;
  }
};

}  // namespace

FileSystem& systemFileSystem() {
  static PosixFileSystem files;
  return files;
}

}  // namespace qel::platform
