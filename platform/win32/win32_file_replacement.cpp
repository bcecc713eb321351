#include "platform/win32/win32_file_replacement.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <optional>
#include <span>
#include <string_view>

#include "platform/win32/file_handle.h"

namespace qel::platform {
namespace {

constexpr std::size_t kMarkCount = 8;  // hexadecimal digits after a temporary's stem

// Attributes of the file replaced that the new content keeps.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The file that a symbolic link or junction at path ends at, or path itself when none is
// there (links among its folders lead the temporary to the same place as the target); nothing
// for a link that leads nowhere, whose place a new file would take.
std::optional<std::wstring> finalPath(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    return path;
  }
  const FileHandle file(::CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.valid()) return std::nullopt;
  constexpr DWORD kFlags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
  const DWORD needed = ::GetFinalPathNameByHandleW(file.get(), nullptr, 0, kFlags);
  if (needed == 0) return std::nullopt;
  std::wstring final(needed, L'\0');
  const DWORD length = ::GetFinalPathNameByHandleW(file.get(), final.data(), needed, kFlags);
  if (length == 0 || length >= needed) return std::nullopt;
  final.resize(length);
  return final;
}

bool isMarks(std::wstring_view marks) {
  return marks.size() == kMarkCount && std::all_of(marks.begin(), marks.end(), [](wchar_t c) {
           return std::iswxdigit(static_cast<wint_t>(c)) != 0;
         });
}

// Temporaries of this target that an earlier run left when it was killed during a save.
void removeStaleTemporaries(const std::wstring& folder, const std::wstring& stem) {
  const std::wstring_view start = std::wstring_view(stem).substr(folder.size());
  WIN32_FIND_DATAW entry{};
  const HANDLE search = ::FindFirstFileW((stem + L"*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring_view name = entry.cFileName;
    constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    if (name.starts_with(start) && isMarks(name.substr(start.size())) &&
        (entry.dwFileAttributes & kNotAFile) == 0) {
      ::DeleteFileW((folder + std::wstring(name)).c_str());
    }
  } while (::FindNextFileW(search, &entry));
  ::FindClose(search);
}

class Win32Replacement final : public FileReplacement {
 public:
  // Written in place when temporary is empty.
  Win32Replacement(FileHandle file, std::wstring temporary, std::wstring target,
                   std::wstring folder, std::wstring stem)
      : file_(std::move(file)),
        temporary_(std::move(temporary)),
        target_(std::move(target)),
        folder_(std::move(folder)),
        stem_(std::move(stem)) {}

  ~Win32Replacement() override {
    file_.close();
    if (!committed_ && !temporary_.empty()) ::DeleteFileW(temporary_.c_str());
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
    if (temporary_.empty()) {
      // The old content may be longer than the new.
      committed_ = ::SetEndOfFile(file_.get()) && ::FlushFileBuffers(file_.get()) && file_.close();
      return committed_;
    }
    if (!::FlushFileBuffers(file_.get()) || !file_.close()) return false;
    if (!::MoveFileExW(temporary_.c_str(), target_.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return false;
    }
    committed_ = true;
    removeStaleTemporaries(folder_, stem_);
    return true;
  }

 private:
  FileHandle file_;
  std::wstring temporary_;
  std::wstring target_;
  std::wstring folder_;
  std::wstring stem_;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<FileReplacement> beginWin32Replacement(const std::wstring& path) {
  const std::optional<std::wstring> target = finalPath(path);
  if (!target) return nullptr;
  const auto separator = target->find_last_of(L"\\/");
  if (separator == std::wstring::npos || separator + 1 == target->size()) return nullptr;
  const std::wstring folder = target->substr(0, separator + 1);

  const DWORD existing = ::GetFileAttributesW(target->c_str());
  DWORD attributes = FILE_ATTRIBUTE_NORMAL;
  FileHandle inPlace;
  if (existing != INVALID_FILE_ATTRIBUTES) {
    // Windows refuses to replace a read-only file, but wine does not: refuse it here alike.
    if (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return nullptr;
    if (existing & kKeptAttributes) attributes = existing & kKeptAttributes;
    // Refused as a plain write would be; the rename alone would pass over the file's
    // protection. Only a file on disk is replaced.
    inPlace = FileHandle(::CreateFileW(target->c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!inPlace.valid() || ::GetFileType(inPlace.get()) != FILE_TYPE_DISK) return nullptr;
  }

  // A name component holds 255 units; the marks and the two signs take 10 of them.
  const std::wstring stem = folder + L"~" + target->substr(separator + 1, 240) + L".";
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    wchar_t marks[kMarkCount + 1];
    ::swprintf(
        marks, kMarkCount + 1, L"%08lx",
        static_cast<unsigned long>(::GetTickCount() * 31u + ::GetCurrentProcessId() + attempt));
    std::wstring temporary = stem + marks;
    FileHandle file(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  attributes, nullptr));
    if (file.valid()) {
      return std::make_unique<Win32Replacement>(std::move(file), std::move(temporary), *target,
                                                folder, stem);
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_EXISTS) continue;
    // A folder that takes no new file: a file that may be written is written in place, so
    // that it can still be saved. Only then, since a failure there leaves it damaged.
    if (error == ERROR_ACCESS_DENIED && inPlace.valid()) {
      return std::make_unique<Win32Replacement>(std::move(inPlace), std::wstring(), *target, folder,
                                                stem);
    }
    return nullptr;
  }
  return nullptr;
}

}  // namespace qel::platform
