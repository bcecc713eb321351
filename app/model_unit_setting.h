#pragma once

#include <string_view>

#include "model/model_scale.h"
#include "platform/settings_store.h"

namespace qel {

// What one unit of the author's models is, kept in the settings store under this value name;
// millimetres when nothing usable is stored.
inline constexpr std::u16string_view kModelUnitValue = u"modelUnit";

ModelUnit loadModelUnit(platform::SettingsStore& settings);
// A failure of the store is not reported: the unit still holds while the program runs.
void saveModelUnit(platform::SettingsStore& settings, ModelUnit unit);

}  // namespace qel
