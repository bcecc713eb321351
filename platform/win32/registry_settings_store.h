#pragma once

#include "platform/settings_store.h"

namespace qel::platform {

// Settings as string values of keys under HKEY_CURRENT_USER.
class RegistrySettingsStore final : public SettingsStore {
 public:
  // The value's type is not examined: its bytes are read as UTF-16 text up to the first
  // zero unit.
  std::optional<std::u16string> readString(std::u16string_view keyPath,
                                           std::u16string_view valueName) override;
  // Creates the key when it is missing; stores the value as REG_SZ with its terminator.
  bool writeString(std::u16string_view keyPath, std::u16string_view valueName,
                   std::u16string_view value) override;
};

}  // namespace qel::platform
