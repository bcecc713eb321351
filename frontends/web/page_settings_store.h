#pragma once

#include "platform/settings_store.h"

namespace qel::web {

// Settings kept in the browser's storage of the page, one entry per key path and value name.
class PageSettingsStore final : public platform::SettingsStore {
 public:
  std::optional<std::u16string> readString(std::u16string_view keyPath,
                                           std::u16string_view valueName) override;
  bool writeString(std::u16string_view keyPath, std::u16string_view valueName,
                   std::u16string_view value) override;
};

}  // namespace qel::web
