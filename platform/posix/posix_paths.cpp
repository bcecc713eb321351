#include "platform/posix/posix_paths.h"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/utf.h"

namespace qel::platform {
namespace {

constexpr int kMostLinksFollowed = 40;

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

}  // namespace

std::string nativePath(std::u16string_view path) {
  return toUtf8(path);
}

std::optional<FolderAndName> resolvePosixPath(std::u16string_view path) {
  const auto target = followLinks(nativePath(path));
  if (!target) return std::nullopt;
  const std::size_t slash = target->rfind('/');
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  if (start == target->size()) return std::nullopt;
  return FolderAndName{fromUtf8(std::string_view(*target).substr(0, start)),
                       fromUtf8(std::string_view(*target).substr(start))};
}

}  // namespace qel::platform
