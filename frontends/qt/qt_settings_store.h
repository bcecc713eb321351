#pragma once

#include <QString>

#include "platform/settings_store.h"

namespace qel::qt {

// The settings store on QSettings (the Windows program keeps its own in the registry). A key
// path names a per-user file in the configuration folder (XDG_CONFIG_HOME), the path
// without its leading "Software" plus ".conf", which is where Qt keeps the settings of the
// same organisation and application.
class QtSettingsStore final : public platform::SettingsStore {
 public:
  std::optional<std::u16string> readString(std::u16string_view keyPath,
                                           std::u16string_view valueName) override;
  bool writeString(std::u16string_view keyPath, std::u16string_view valueName,
                   std::u16string_view value) override;

  // Where keyPath is kept; empty when the path cannot name a place (empty, or with "..").
  static QString location(std::u16string_view keyPath);
};

}  // namespace qel::qt
