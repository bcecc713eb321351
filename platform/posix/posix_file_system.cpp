#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "base/utf.h"
#include "platform/os.h"

namespace qel::platform {
namespace {

// Model files made on Windows name folders with backslashes; here they separate folders too.
std::string nativePath(std::u16string_view path) {
  std::string native = toUtf8(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
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

class PosixReplacement final : public FileReplacement {
 public:
  PosixReplacement(int fd, std::string temporary, std::string target, std::string folder)
      : fd_(fd),
        temporary_(std::move(temporary)),
        target_(std::move(target)),
        folder_(std::move(folder)) {}

  ~PosixReplacement() override {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(temporary_.c_str());
  }

  bool write(std::span<const std::uint8_t> bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
  }

  bool commit() override {
    if (::fsync(fd_) != 0) return false;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return false;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    // Make the new name durable too; a folder that cannot be synced changes nothing.
    const int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
      ::fsync(dir);
      ::close(dir);
    }
    return true;
  }

 private:
  int fd_;
  std::string temporary_;
  std::string target_;
  std::string folder_;
  bool committed_ = false;
};

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

  std::unique_ptr<FileReplacement> beginReplacing(std::u16string_view path) override {
    const std::string target = nativePath(path);
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty()) return nullptr;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) return nullptr;

    // The temporary name must fit the folder's limit of 255 bytes even beside a target
    // whose name is that long.
    std::string temporary = folder + "." + name.substr(0, 255 - 8) + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return nullptr;
    // mkstemp makes the file private; give it the mode the target has, or a new file's.
    mode_t mode = 0;
    if (::stat(target.c_str(), &existing) == 0) {
      mode = existing.st_mode & 07777;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    return std::make_unique<PosixReplacement>(fd, std::move(temporary), target, folder);
  }

  std::vector<std::u16string> listFolder(std::u16string_view folder) override {
    std::vector<std::u16string> names;
    std::string native = nativePath(folder);
    if (native.empty()) native = ".";
    DIR* dir = ::opendir(native.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir)) {
      const std::string_view name = entry->d_name;
      if (name != "." && name != "..") names.push_back(fromUtf8(name));
    }
    ::closedir(dir);
    return names;
  }
};

}  // namespace

FileSystem& systemFileSystem() {
  static PosixFileSystem files;
  return files;
}

}  // namespace qel::platform
