#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qel::platform {

// Where the program keeps its settings: the workshop name, the recent files and the reload
// switch. The key is the one the workshop name was first stored under, so stored values stay.
inline constexpr std::u16string_view kSettingsKeyPath = u"Software\\K.DORAN\\APP\\QELCONTAINER";

// The per-user store of settings: string values by key path and value name
// (on Windows the registry under HKEY_CURRENT_USER).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored value, or nothing when the key or the value is missing.
  virtual std::optional<std::u16string> readString(std::u16string_view keyPath,
                                                   std::u16string_view valueName) = 0;
  // Answers false when the value could not be stored.
  virtual bool writeString(std::u16string_view keyPath, std::u16string_view valueName,
                           std::u16string_view value) = 0;
};

}  // namespace qel::platform
