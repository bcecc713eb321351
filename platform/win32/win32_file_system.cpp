#include <windows.h>

#include <bcrypt.h>

#include <algorithm>
#include <string>

#include "platform/native_writable_file.h"
#include "platform/os.h"
#include "platform/win32/file_handle.h"
#include "platform/win32/while_held.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_write_failure.h"

namespace qel::platform {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

class Win32Reader final : public FileReader {
 public:
  explicit Win32Reader(HANDLE file) : file_(file) {}

  std::optional<std::uint64_t> length() override {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file_.get(), &size)) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  std::optional<FileIdentity> identity() override {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file_.get(), &info)) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        std::uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
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
    const std::wstring native = fullPath(path);
    if (native.empty()) return nullptr;
    FileHandle file(::CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // Only files on disk: a pipe or a console would block or never end.
    if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK) return nullptr;
    return std::make_unique<Win32Reader>(file.release());
  }

  std::vector<std::u16string> listFolder(std::u16string_view folder) override {
    std::vector<std::u16string> names;
    std::u16string pattern(folder);
    if (!pattern.empty() && pattern.back() != u'\\' && pattern.back() != u'/') pattern += u'\\';
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW(fullPath(pattern + u"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring_view name = entry.cFileName;
      if (name != L"." && name != L"..") names.push_back(fromWide(name));
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    return names;
  }

  std::optional<std::vector<FolderEntry>> readFolder(std::u16string_view folder) override {
    std::u16string pattern(folder);
    appendName(pattern, u"*");
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW(fullPath(pattern).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<FolderEntry> entries;
    do {
      const std::wstring_view name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const DWORD attributes = entry.dwFileAttributes;
      // A junction or a link to a folder is not entered.
      const auto kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ? FolderEntry::Kind::File
                        : (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0
                            ? FolderEntry::Kind::Other
                            : FolderEntry::Kind::Folder;
      entries.push_back({fromWide(name), kind, true});
    } while (::FindNextFileW(search, &entry));
    const bool whole = ::GetLastError() == ERROR_NO_MORE_FILES;
    ::FindClose(search);
    if (!whole) return std::nullopt;
    return entries;
  }

  std::optional<FolderAndName> resolve(std::u16string_view path) override {
    return resolveWin32Path(path);
  }

  FileState inspect(std::u16string_view path) override {
    const std::wstring native = fullPath(path);
    const DWORD attributes = ::GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {};
      return {FileState::Kind::NotAFile, false, writeFailureOf(error, "GetFileAttributesW")};
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      return {FileState::Kind::NotAFile, false, WriteReason::Other};
    }
    FileState state{FileState::Kind::File, (attributes & FILE_ATTRIBUTE_READONLY) != 0,
                    WriteReason::None};
    FileHandle probe;
    retryWhileHeld([&] {
      probe = FileHandle(::CreateFileW(native.c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
      return probe.valid();
    });
    if (!probe.valid()) {
      state.writeRefusal = lastWriteFailure("CreateFileW");
    } else if (::GetFileType(probe.get()) != FILE_TYPE_DISK) {
      state = {FileState::Kind::NotAFile, false, WriteReason::Other};
    }
    return state;
  }

  std::optional<FileIdentity> identify(std::u16string_view path) override {
    // No access asked, so that a file held by a writer is told too; folders need the flag.
    const FileHandle file(::CreateFileW(fullPath(path).c_str(), 0, kShareAll, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.valid() || !::GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
  }

  bool isLink(std::u16string_view path) override {
    const DWORD attributes = ::GetFileAttributesW(fullPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  }

  std::optional<FileStamp> stamp(std::u16string_view path) override {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(fullPath(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      return std::nullopt;
    }
    return FileStamp{
        (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
        static_cast<std::int64_t>((std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                  data.ftLastWriteTime.dwLowDateTime)};
  }

  std::unique_ptr<WritableFile> openForWriting(std::u16string_view path, OpenMode mode,
                                               WriteFailure& why) override {
    return openNativeWritable(path, mode, why);
  }

  bool remove(std::u16string_view path) override {
    return ::DeleteFileW(fullPath(path).c_str()) != 0;
  }

  bool removeIfUnused(std::u16string_view path) override { return removeUnusedNativeFile(path); }

  bool randomBytes(std::span<std::uint8_t> bytes) override {
    return BCRYPT_SUCCESS(::BCryptGenRandom(nullptr, bytes.data(), static_cast<ULONG>(bytes.size()),
                                            BCRYPT_USE_SYSTEM_PREFERRED_RNG));
  }

  // Windows has no folder sync; the rename is written through instead.
  bool syncFolder(std::u16string_view) override { return true; }
};

}  // namespace

FileSystem& systemFileSystem() {
  static Win32FileSystem files;
  return files;
}

}  // namespace qel::platform
