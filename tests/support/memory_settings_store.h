#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/settings_store.h"

namespace qel::test {

// Settings kept in memory; writes can be made to fail.
class MemorySettingsStore : public platform::SettingsStore {
 public:
  std::optional<std::u16string> readString(std::u16string_view keyPath,
                                           std::u16string_view valueName) override;
  bool writeString(std::u16string_view keyPath, std::u16string_view valueName,
                   std::u16string_view value) override;

  void put(std::u16string_view keyPath, std::u16string_view valueName, std::u16string_view value);

  bool failWrites = false;
  int writeCount = 0;  // attempted writes, failed ones included

 private:
  std::map<std::pair<std::u16string, std::u16string>, std::u16string> values_;
};

}  // namespace qel::test
