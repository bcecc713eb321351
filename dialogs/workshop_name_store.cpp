#include "dialogs/workshop_name_store.h"

namespace qel {

void loadWorkshopName(platform::SettingsStore& settings, WorkshopName& name) {
  name.clear();
  const auto stored = settings.readString(kWorkshopNameKeyPath, kWorkshopNameValue);
  if (stored && stored->size() < WorkshopName::kCapacity) name.assign(*stored);
}

void saveWorkshopName(platform::SettingsStore& settings, std::u16string_view name) {
  settings.writeString(kWorkshopNameKeyPath, kWorkshopNameValue, name);
}

}  // namespace qel
