#include "dialogs/workshop_name_store.h"

namespace qel {

void loadWorkshopName(platform::SettingsStore& settings, WorkshopName& name) {
  name.clear();
  const auto stored = settings.readString(platform::kSettingsKeyPath, kWorkshopNameValue);
  if (stored && stored->size() < WorkshopName::kCapacity) name.assign(*stored);
}

void saveWorkshopName(platform::SettingsStore& settings, std::u16string_view name) {
  settings.writeString(platform::kSettingsKeyPath, kWorkshopNameValue, name);
}

}  // namespace qel
