#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "base/utf.h"
#include "platform/os.h"
#include "platform/posix/posix_file_replacement.h"

namespace qel::platform {
namespace {

// Paths are taken as they are: a backslash is an ordinary character of a file name here.
std::string nativePath(std::u16string_view path) {
  return toUtf8(path);
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
    return beginPosixReplacement(nativePath(path));
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
