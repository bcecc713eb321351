#pragma once

#include <string_view>

#include "base/fixed_text.h"
#include "platform/settings_store.h"

namespace qel {

// The workshop name: the author's name that every part made here carries as its maker.
using WorkshopName = FixedText<16>;

// The value under platform::kSettingsKeyPath that keeps the name.
inline constexpr std::u16string_view kWorkshopNameValue = u"maker";

// The stored name; empty when none is stored or the stored value is longer than the
// 15 units a name may have (it is not cut into a different name).
void loadWorkshopName(platform::SettingsStore& settings, WorkshopName& name);

// Stores name; a failure is not reported and changes nothing in memory.
void saveWorkshopName(platform::SettingsStore& settings, std::u16string_view name);

}  // namespace qel
