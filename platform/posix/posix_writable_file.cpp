#include "platform/native_writable_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/posix_paths.h"
#include "platform/posix/posix_write_failure.h"

namespace qel::platform {
namespace {

WriteFailure outcome(bool done, const char* call) {
  return done ? WriteReason::None : lastWriteFailure(call);
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether fd, locked, is still the file at path: a sweep may have removed the name between
// the open and the lock.
bool stillNamedBy(int fd, const std::string& path) {
  struct stat open {
  }, named{};
  return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && sameFile(open, named);
}

// Read once: umask can only be read by setting it, which would race with other threads.
mode_t newFileMode() {
  static const mode_t mode = [] {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
  }();
  return mode;
}

class PosixWritable final : public WritableFile {
 public:
  PosixWritable(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~PosixWritable() override { ::close(fd_); }

  WriteFailure write(std::span<const std::uint8_t> bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return lastWriteFailure("write");
      if (n == 0) return WriteReason::Other;
      bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return WriteReason::None;
  }

  WriteFailure rewind() override { return outcome(::lseek(fd_, 0, SEEK_SET) == 0, "lseek"); }

  WriteFailure reserve(std::uint64_t length) override {
    if (length == 0) return WriteReason::None;
    if (::fallocate(fd_, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(length)) == 0) {
      return WriteReason::None;
    }
    return errno == EOPNOTSUPP || errno == ENOSYS ? WriteReason::None
                                                  : lastWriteFailure("fallocate");
  }

  WriteFailure setLength(std::uint64_t length) override {
    return outcome(::ftruncate(fd_, static_cast<off_t>(length)) == 0, "ftruncate");
  }

  WriteFailure sync() override { return outcome(::fsync(fd_) == 0, "fsync"); }

  WriteFailure takeProtectionOf(std::u16string_view path) override {
    if (path.empty()) return outcome(::fchmod(fd_, newFileMode()) == 0, "fchmod");
    struct stat info {};
    if (::stat(nativePath(path).c_str(), &info) != 0) return lastWriteFailure("stat");
    // Only root may give a file away; others keep at least the group where they belong to it.
    // The owner comes first, since a change of owner clears the set-id bits.
    if (::fchown(fd_, info.st_uid, info.st_gid) != 0) ::fchown(fd_, -1, info.st_gid);
    return outcome(::fchmod(fd_, info.st_mode & 07777) == 0, "fchmod");
  }

  WriteFailure replace(std::u16string_view target) override {
    return outcome(::rename(path_.c_str(), nativePath(target).c_str()) == 0, "rename");
  }

 private:
  int fd_;
  std::string path_;
};

}  // namespace

// A CreateNew file is made private (mode 0600) and holds an exclusive flock while it is
// open, which removeUnusedNativeFile respects.
std::unique_ptr<WritableFile> openNativeWritable(std::u16string_view name, OpenMode mode,
                                                 WriteFailure& why) {
  const std::string path = nativePath(name);
  const int flags = mode == OpenMode::CreateNew ? O_CREAT | O_EXCL | O_NOFOLLOW : 0;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | flags, 0600);
  if (fd < 0) {
    why = lastWriteFailure("open");
    return nullptr;
  }
  if (mode == OpenMode::CreateNew &&
      (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !stillNamedBy(fd, path))) {
    ::close(fd);
    why = WriteReason::Other;
    return nullptr;
  }
  why = WriteReason::None;
  return std::make_unique<PosixWritable>(fd, path);
}

bool removeUnusedNativeFile(std::u16string_view name) {
  const std::string path = nativePath(name);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info {};
  const bool removed = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                       ::flock(fd, LOCK_EX | LOCK_NB) == 0 && stillNamedBy(fd, path) &&
                       ::unlink(path.c_str()) == 0;
  ::close(fd);
  return removed;
}

}  // namespace qel::platform
