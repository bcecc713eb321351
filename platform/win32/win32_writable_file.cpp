#include "platform/native_writable_file.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/file_handle.h"
#include "platform/win32/while_held.h"
#include "platform/win32/win32_paths.h"
#include "platform/win32/win32_write_failure.h"

namespace qel::platform {
namespace {

// Attributes of the file replaced that the new content keeps.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

class Win32Writable final : public WritableFile {
 public:
  Win32Writable(FileHandle file, std::wstring path)
      : file_(std::move(file)), path_(std::move(path)) {}

  WriteFailure write(std::span<const std::uint8_t> bytes) override {
    while (!bytes.empty()) {
      DWORD written = 0;
      const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
      if (!::WriteFile(file_.get(), bytes.data(), chunk, &written, nullptr)) {
        return lastWriteFailure("WriteFile");
      }
      if (written == 0) return WriteReason::Other;
      bytes = bytes.subspan(written);
    }
    return WriteReason::None;
  }

  WriteFailure rewind() override { return moveTo(0); }

  WriteFailure reserve(std::uint64_t length) override {
    FILE_ALLOCATION_INFO info{};
    info.AllocationSize.QuadPart = static_cast<LONGLONG>(length);
    if (::SetFileInformationByHandle(file_.get(), FileAllocationInfo, &info, sizeof info)) {
      return WriteReason::None;
    }
    // Where the room cannot be taken ahead, only running out of it is a failure.
    const WriteFailure failure = lastWriteFailure("SetFileInformationByHandle");
    return failure == WriteReason::DiskFull ? failure : WriteReason::None;
  }

  WriteFailure setLength(std::uint64_t length) override {
    const WriteFailure moved = moveTo(length);
    if (moved != WriteReason::None) return moved;
    return outcome(::SetEndOfFile(file_.get()) != 0, "SetEndOfFile");
  }

  WriteFailure sync() override {
    return outcome(::FlushFileBuffers(file_.get()) != 0, "FlushFileBuffers");
  }

  WriteFailure takeProtectionOf(std::u16string_view path) override {
    if (path.empty()) return WriteReason::None;
    const DWORD existing = ::GetFileAttributesW(fullPath(path).c_str());
    if (existing == INVALID_FILE_ATTRIBUTES) return lastWriteFailure("GetFileAttributesW");
    if ((existing & kKeptAttributes) == 0) return WriteReason::None;
    FILE_BASIC_INFO info{};  // times of 0 stay as they are
    info.FileAttributes = existing & kKeptAttributes;
    return outcome(::SetFileInformationByHandle(file_.get(), FileBasicInfo, &info, sizeof info),
                   "SetFileInformationByHandle");
  }

  WriteFailure replace(std::u16string_view target) override {
    const std::wstring to = fullPath(target);
    return outcome(retryWhileHeld([&] {
                     return ::MoveFileExW(path_.c_str(), to.c_str(),
                                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
                   }),
                   "MoveFileExW");
  }

 private:
  WriteFailure moveTo(std::uint64_t position) {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(position);
    return outcome(::SetFilePointerEx(file_.get(), to, nullptr, FILE_BEGIN) != 0,
                   "SetFilePointerEx");
  }

  FileHandle file_;
  std::wstring path_;
};

}  // namespace

// A CreateNew file is shared for reading and renaming only, so that removeUnusedNativeFile,
// which needs it unshared, passes it by while it is open.
std::unique_ptr<WritableFile> openNativeWritable(std::u16string_view name, OpenMode mode,
                                                 WriteFailure& why) {
  const std::wstring path = fullPath(name);
  const bool createNew = mode == OpenMode::CreateNew;
  // Renaming needs the share of deletion; a new file denies writers and removers.
  const DWORD share = createNew ? FILE_SHARE_READ | FILE_SHARE_DELETE : FILE_SHARE_READ;
  FileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, share, nullptr,
                                createNew ? CREATE_NEW : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
  if (!file.valid()) {
    why = lastWriteFailure("CreateFileW");
    return nullptr;
  }
  // Only a file on disk: a pipe or a console would block or never end.
  if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
    why = WriteReason::Other;
    return nullptr;
  }
  why = WriteReason::None;
  return std::make_unique<Win32Writable>(std::move(file), path);
}

bool removeUnusedNativeFile(std::u16string_view name) {
  const std::wstring path = fullPath(name);
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & kNotAFile) != 0) return false;
  // Opened unshared, which fails while any other handle is open; removed when closed.
  FileHandle file(::CreateFileW(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  return file.valid() && file.close();
}

}  // namespace qel::platform
