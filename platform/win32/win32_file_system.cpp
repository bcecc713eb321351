#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/os.h"
#include "platform/win32/wide_text.h"

namespace qel::platform {
namespace {

// ReadFile and WriteFile take at most a DWORD at a time.
constexpr std::size_t kLargestTransfer = 1u << 30;

class HandleOwner {
 public:
  explicit HandleOwner(HANDLE handle) : handle_(handle) {}
  ~HandleOwner() { close(); }
  HandleOwner(const HandleOwner&) = delete;
  HandleOwner& operator=(const HandleOwner&) = delete;

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
  bool close() {
    if (!valid()) return true;
    const bool closed = ::CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

// The full path; with the \\?\ prefix when it is too long for the plain form, as a temporary
// beside a target of the longest path is.
std::wstring fullPath(const std::wstring& path) {
  const DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring full(needed, L'\0');
  const DWORD length = ::GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return {};
  full.resize(length);
  if (full.size() < MAX_PATH) return full;
  if (full.starts_with(L"\\\\?\\")) return full;
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

class Win32Reader final : public FileReader {
 public:
  explicit Win32Reader(HANDLE file) : file_(file) {}

  std::optional<std::uint64_t> length() override {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file_.get(), &size)) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  std::optional<std::size_t> read(std::span<std::uint8_t> into) override {
    DWORD taken = 0;
    const auto wanted = static_cast<DWORD>(std::min(into.size(), kLargestTransfer));
    if (!::ReadFile(file_.get(), into.data(), wanted, &taken, nullptr)) return std::nullopt;
    return taken;
  }

 private:
  HandleOwner file_;
};

class Win32Replacement final : public FileReplacement {
 public:
  Win32Replacement(HANDLE file, std::wstring temporary, std::wstring target)
      : file_(file), temporary_(std::move(temporary)), target_(std::move(target)) {}

  ~Win32Replacement() override {
    file_.close();
    if (!committed_) ::DeleteFileW(temporary_.c_str());
  }

  bool write(std::span<const std::uint8_t> bytes) override {
    while (!bytes.empty()) {
      DWORD written = 0;
      const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
      if (!::WriteFile(file_.get(), bytes.data(), chunk, &written, nullptr) || written == 0) {
        return false;
      }
      bytes = bytes.subspan(written);
    }
    return true;
  }

  bool commit() override {
    if (!::FlushFileBuffers(file_.get())) return false;
    if (!file_.close()) return false;
    if (!::MoveFileExW(temporary_.c_str(), target_.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return false;
    }
    committed_ = true;
    return true;
  }

 private:
  HandleOwner file_;
  std::wstring temporary_;
  std::wstring target_;
  bool committed_ = false;
};

// Attributes of the file replaced that the new content keeps.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

class Win32FileSystem final : public FileSystem {
 public:
  std::unique_ptr<FileReader> openForReading(std::u16string_view path) override {
    const std::wstring native = fullPath(toWide(path));
    if (native.empty()) return nullptr;
    HandleOwner file(::CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // Only files on disk: a pipe or a console would block or never end.
    if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK) return nullptr;
    return std::make_unique<Win32Reader>(file.release());
  }

  std::unique_ptr<FileReplacement> beginReplacing(std::u16string_view path) override {
    const std::wstring target = fullPath(toWide(path));
    const auto separator = target.find_last_of(L"\\/");
    if (target.empty() || separator == std::wstring::npos || separator + 1 == target.size()) {
      return nullptr;
    }
    const DWORD existing = ::GetFileAttributesW(target.c_str());
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    if (existing != INVALID_FILE_ATTRIBUTES) {
      // Windows refuses to replace a read-only file, but wine does not: refuse it here alike.
      if (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return nullptr;
      if (existing & kKeptAttributes) attributes = existing & kKeptAttributes;
    }

    // A name component holds 255 units; the suffix takes 10 of them.
    const std::wstring stem =
        target.substr(0, separator + 1) + L"~" + target.substr(separator + 1, 240) + L".";
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
      wchar_t suffix[16];
      ::swprintf(
          suffix, 16, L"%08lx",
          static_cast<unsigned long>(::GetTickCount() * 31u + ::GetCurrentProcessId() + attempt));
      std::wstring temporary = stem + suffix;
      const HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        attributes, nullptr);
      if (file != INVALID_HANDLE_VALUE) {
        return std::make_unique<Win32Replacement>(file, std::move(temporary), target);
      }
      if (::GetLastError() != ERROR_FILE_EXISTS) return nullptr;
    }
    return nullptr;
  }

  std::vector<std::u16string> listFolder(std::u16string_view folder) override {
    std::vector<std::u16string> names;
    std::wstring pattern = toWide(folder);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
    pattern = fullPath(pattern + L"*");
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring_view name = entry.cFileName;
      if (name != L"." && name != L"..") names.push_back(fromWide(name));
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    return names;
  }
};

}  // namespace

FileSystem& systemFileSystem() {
  static Win32FileSystem files;
  return files;
}

}  // namespace qel::platform
