#include "frontends/web/page_settings_store.h"

#include "frontends/web/page.h"

namespace qel::web {
namespace {

std::u16string keyOf(std::u16string_view keyPath, std::u16string_view valueName) {
  return std::u16string(keyPath) + u'\\' + std::u16string(valueName);
}

}  // namespace

std::optional<std::u16string> PageSettingsStore::readString(std::u16string_view keyPath,
                                                            std::u16string_view valueName) {
  const std::u16string key = keyOf(keyPath, valueName);
  std::u16string value(64, u'\0');
  for (;;) {
    const int length = pageReadSetting(key.data(), key.size(), value.data(), value.size());
    if (length < 0) return std::nullopt;
    const bool whole = static_cast<std::size_t>(length) <= value.size();
    value.resize(static_cast<std::size_t>(length));
    if (whole) return value;
  }
}

bool PageSettingsStore::writeString(std::u16string_view keyPath, std::u16string_view valueName,
                                    std::u16string_view value) {
  const std::u16string key = keyOf(keyPath, valueName);
  return pageWriteSetting(key.data(), key.size(), value.data(), value.size()) != 0;
}

}  // namespace qel::web
