#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/os.h"
#include "platform/win32/file_handle.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_replacement.h"

namespace qel::platform {
namespace {

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
  FileHandle file_;
};

class Win32FileSystem final : public FileSystem {
 public:
  std::unique_ptr<FileReader> openForReading(std::u16string_view path) override {
    const std::wstring native = fullPath(toWide(path));
    if (native.empty()) return nullptr;
    FileHandle file(::CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // Only files on disk: a pipe or a console would block or never end.
    if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK) return nullptr;
    return std::make_unique<Win32Reader>(file.release());
  }

  std::unique_ptr<FileReplacement> beginReplacing(std::u16string_view path) override {
    const std::wstring target = fullPath(toWide(path));
    if (target.empty()) return nullptr;
    return beginWin32Replacement(target);
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
