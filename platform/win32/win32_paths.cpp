#include "platform/win32/win32_paths.h"

#include <windows.h>

#include "platform/win32/file_handle.h"
#include "platform/win32/wide_text.h"

namespace qel::platform {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

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

}  // namespace

std::wstring fullPath(std::u16string_view path) {
  const std::wstring wide = toWide(path);
  const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring full(needed, L'\0');
  const DWORD length = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return {};
  full.resize(length);
  if (full.size() < MAX_PATH) return full;
  if (full.starts_with(L"\\\\?\\")) return full;
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::optional<FolderAndName> splitAtName(std::u16string_view path) {
  const std::size_t separator = path.find_last_of(u"\\/:");
  const std::size_t start = separator == std::u16string_view::npos ? 0 : separator + 1;
  if (start == path.size()) return std::nullopt;
  return FolderAndName{std::u16string(path.substr(0, start)), std::u16string(path.substr(start))};
}

void appendName(std::u16string& folder, std::u16string_view name) {
  if (!folder.empty() && folder.back() != u'\\' && folder.back() != u'/') folder += u'\\';
  folder += name;
}

std::optional<FolderAndName> resolveWin32Path(std::u16string_view path) {
  const std::wstring full = fullPath(path);
  if (full.empty()) return std::nullopt;
  const auto target = finalPath(full);
  if (!target) return std::nullopt;
  const auto separator = target->find_last_of(L"\\/");
  if (separator == std::wstring::npos || separator + 1 == target->size()) return std::nullopt;
  return FolderAndName{fromWide(std::wstring_view(*target).substr(0, separator + 1)),
                       fromWide(std::wstring_view(*target).substr(separator + 1))};
}

}  // namespace qel::platform
