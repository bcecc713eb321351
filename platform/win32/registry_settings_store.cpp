#include "platform/win32/registry_settings_store.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace qel::platform {
namespace {

class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() {
    if (key_ != nullptr) ::RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

std::optional<std::u16string> RegistrySettingsStore::readString(std::u16string_view keyPath,
                                                                std::u16string_view valueName) {
  OpenKey key;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, toWide(keyPath).c_str(), 0, KEY_ALL_ACCESS, key.out()) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  const std::wstring name = toWide(valueName);
  DWORD size = 0;
  if (::RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, nullptr, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (::RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  data.resize(size / sizeof(wchar_t));
  return fromWide(std::wstring_view(data.c_str()));
}

bool RegistrySettingsStore::writeString(std::u16string_view keyPath, std::u16string_view valueName,
                                        std::u16string_view value) {
  OpenKey key;
  wchar_t keyClass[] = L"dword";
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, toWide(keyPath).c_str(), 0, keyClass,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, key.out(),
                        nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::wstring text = toWide(value);
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return ::RegSetValueExW(key.get(), toWide(valueName).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

}  // namespace qel::platform
