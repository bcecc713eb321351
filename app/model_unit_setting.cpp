#include "app/model_unit_setting.h"

#include <string>

namespace qel {

ModelUnit loadModelUnit(platform::SettingsStore& settings) {
  const auto stored = settings.readString(platform::kSettingsKeyPath, kModelUnitValue);
  if (!stored) return ModelUnit::Millimetre;
  for (std::size_t i = 0; i < kModelUnitCodes.size(); ++i) {
    const std::string_view code = kModelUnitCodes[i];
    if (std::u16string(code.begin(), code.end()) == *stored) return static_cast<ModelUnit>(i);
  }
  return ModelUnit::Millimetre;
}

void saveModelUnit(platform::SettingsStore& settings, ModelUnit unit) {
  const std::string_view code = kModelUnitCodes[static_cast<std::size_t>(unit)];
  settings.writeString(platform::kSettingsKeyPath, kModelUnitValue,
                       std::u16string(code.begin(), code.end()));
}

}  // namespace qel
