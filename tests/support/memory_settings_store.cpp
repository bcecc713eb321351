#include "tests/support/memory_settings_store.h"

namespace qel::test {

std::optional<std::u16string> MemorySettingsStore::readString(std::u16string_view keyPath,
                                                              std::u16string_view valueName) {
  const auto found = values_.find({std::u16string(keyPath), std::u16string(valueName)});
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

bool MemorySettingsStore::writeString(std::u16string_view keyPath, std::u16string_view valueName,
                                      std::u16string_view value) {
  ++writeCount;
  if (failWrites) return false;
  put(keyPath, valueName, value);
  return true;
}

void MemorySettingsStore::put(std::u16string_view keyPath, std::u16string_view valueName,
                              std::u16string_view value) {
  values_[{std::u16string(keyPath), std::u16string(valueName)}] = std::u16string(value);
}

}  // namespace qel::test
