#include "platform/posix/posix_file_replacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string_view>

namespace qel::platform {
namespace {

constexpr int kMostLinksFollowed = 40;
constexpr std::size_t kMarkCount = 6;  // as mkstemp's XXXXXX

// How the new content reaches the file's place.
enum class Temporary {
  Unnamed,  // O_TMPFILE: a crash before the commit leaves nothing behind
  Named,    // a hidden file beside the target, where O_TMPFILE is not offered
  None,     // written in place: the folder takes no new file, but the file may be written
};

// The file a chain of symbolic links ends at (possibly not existing yet); nothing for a loop
// or a link that cannot be read.
std::optional<std::string> followLinks(std::string path) {
  for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string link(PATH_MAX, '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n <= 0 || static_cast<std::size_t>(n) == link.size()) return std::nullopt;
    link.resize(static_cast<std::size_t>(n));
    if (link.front() == '/') {
      path = std::move(link);
    } else {
      const std::size_t slash = path.rfind('/');
      path.resize(slash == std::string::npos ? 0 : slash + 1);
      path += link;  // relative to the link's own folder
    }
  }
  return std::nullopt;
}

// The start of every temporary name of a target: hidden, and short enough that the name
// fits the folder's limit of 255 bytes even beside a target whose name is that long.
std::string temporaryPrefix(const std::string& folder, const std::string& name) {
  return folder + "." + name.substr(0, 255 - kMarkCount - 2) + ".";
}

std::string randomMarks() {
  constexpr std::string_view kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  // Without the random source, names still differ from one attempt to the next.
  static unsigned counter = static_cast<unsigned>(::getpid());
  unsigned char random[kMarkCount] = {};
  if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
    ++counter;
    for (std::size_t i = 0; i < kMarkCount; ++i)
      random[i] = static_cast<unsigned char>(counter >> (5 * i));
  }
  std::string marks;
  for (const unsigned char byte : random) marks += kAlphabet[byte % kAlphabet.size()];
  return marks;
}

// Gives an unnamed temporary a name with prefix, so that it can be renamed over the target.
std::optional<std::string> nameUnnamed(int fd, const std::string& prefix) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = prefix + randomMarks();
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
        (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)) {
      return name;
    }
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

// Temporaries of this target that an earlier run left when it was killed during a save.
void removeStaleTemporaries(const std::string& folder, const std::string& prefix) {
  const std::string_view start = std::string_view(prefix).substr(folder.size());
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() != start.size() + kMarkCount || !name.starts_with(start)) continue;
    struct stat info {};
    if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode)) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

// Makes a new name durable too; a folder that cannot be synced changes nothing.
void syncFolder(const std::string& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

class PosixReplacement final : public FileReplacement {
 public:
  PosixReplacement(int fd, Temporary temporary, std::string target, std::string folder,
                   std::string prefix, std::string named)
      : fd_(fd),
        temporary_(temporary),
        target_(std::move(target)),
        folder_(std::move(folder)),
        prefix_(std::move(prefix)),
        named_(std::move(named)) {}

  ~PosixReplacement() override {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_ && temporary_ == Temporary::Named) ::unlink(named_.c_str());
  }

  bool write(std::span<const std::uint8_t> bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      bytes = bytes.subspan(static_cast<std::size_t>(n));
      written_ += static_cast<std::size_t>(n);
    }
    return true;
  }

  bool commit() override {
    if (temporary_ == Temporary::None) {
      // The old content may be longer than the new.
      if (::ftruncate(fd_, static_cast<off_t>(written_)) != 0 || ::fsync(fd_) != 0) return false;
      committed_ = closeFile();
      return committed_;
    }
    if (::fsync(fd_) != 0) return false;
    if (temporary_ == Temporary::Unnamed) {
      const auto named = nameUnnamed(fd_, prefix_);
      if (!named) return false;
      named_ = *named;
      temporary_ = Temporary::Named;  // from here on it is removed unless it takes the place
    }
    if (!closeFile() || ::rename(named_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    syncFolder(folder_);
    removeStaleTemporaries(folder_, prefix_);
    return true;
  }

 private:
  bool closeFile() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

  int fd_;
  Temporary temporary_;
  std::string target_;
  std::string folder_;
  std::string prefix_;
  std::string named_;  // the temporary's name, once it has one
  std::size_t written_ = 0;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<FileReplacement> beginPosixReplacement(const std::string& path) {
  const auto target = followLinks(path);
  if (!target) return nullptr;
  const auto slash = target->rfind('/');
  const std::string folder = slash == std::string::npos ? "./" : target->substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? *target : target->substr(slash + 1);
  if (name.empty()) return nullptr;

  struct stat existing {};
  const bool exists = ::stat(target->c_str(), &existing) == 0;
  int inPlace = -1;
  if (exists) {
    // Only a regular file is replaced: a rename would put a file in place of a device.
    if (!S_ISREG(existing.st_mode)) return nullptr;
    // Refused as a plain write would be; a rename alone would pass over the file's protection.
    inPlace = ::open(target->c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (inPlace < 0) return nullptr;
  }

  const std::string prefix = temporaryPrefix(folder, name);
  Temporary temporary = Temporary::Unnamed;
  std::string named;
  int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    temporary = Temporary::Named;
    named = prefix + std::string(kMarkCount, 'X');
    fd = ::mkstemp(named.data());
  }
  if (fd < 0) {
    const int error = errno;
    if (inPlace >= 0 && (error == EACCES || error == EPERM)) {
      return std::make_unique<PosixReplacement>(inPlace, Temporary::None, *target, folder, prefix,
                                                std::string());
    }
    if (inPlace >= 0) ::close(inPlace);
    return nullptr;
  }
  if (inPlace >= 0) ::close(inPlace);
  // The temporary starts private; give it the mode the target has, or a new file's.
  ::fchmod(fd, exists ? existing.st_mode & 07777 : newFileMode());
  return std::make_unique<PosixReplacement>(fd, temporary, *target, folder, prefix,
                                            std::move(named));
}

}  // namespace qel::platform
