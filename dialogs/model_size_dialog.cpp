#include "dialogs/model_size_dialog.h"

#include <charconv>
#include <limits>
#include <string>

#include "base/number_text.h"
#include "dialogs/dialog_buttons.h"
#include "dialogs/unsigned_field.h"
#include "resources/model_size_texts.h"
#include "resources/preview_texts.h"
#include "resources/resources.h"

namespace qel {
namespace {

constexpr int kWholeField = std::numeric_limits<int>::max();

ModelExtent timesScale(const ModelExtent& extent, double factor) {
  return {extent.length * factor, extent.width * factor, extent.height * factor};
}

}  // namespace

std::optional<double> parseScaleField(std::u16string_view text) {
  const std::u16string ascii = asciiForms(text);
  std::string narrow;
  for (const char16_t unit : ascii) {
    if (unit > 0x7F) return std::nullopt;
    if (unit != u' ') narrow += static_cast<char>(unit);
  }
  double value = 0.0;
  const char* end = narrow.data() + narrow.size();
  const auto [stop, error] = std::from_chars(narrow.data(), end, value, std::chars_format::fixed);
  if (error != std::errc() || stop != end) return std::nullopt;
  if (!(value >= kMinModelScale && value <= kMaxModelScale)) return std::nullopt;
  return value;
}

bool ModelSizeDialogProcedure::onInitDialog(platform::DialogControls& dialog) {
  for (std::size_t unit = 0; unit < resources::kPaneUnitNames.size(); ++unit) {
    const int position =
        dialog.comboAddString(resources::kModelUnitList, resources::kPaneUnitNames[unit]);
    dialog.comboSetItemData(resources::kModelUnitList, position, static_cast<std::uint32_t>(unit));
  }
  dialog.comboSetSelection(resources::kModelUnitList, static_cast<int>(entry_.unit));
  dialog.setText(resources::kModelScaleField, decimalText(entry_.scale));
  // Without a model there is nothing to scale: the unit alone is set.
  dialog.enable(resources::kModelScaleField, entry_.extent.has_value());
  showSize(dialog);
  return true;
}

bool ModelSizeDialogProcedure::onCommand(platform::DialogControls& dialog, int command) {
  if (command == resources::kFitLengthButton) {
    if (const auto scale = fittingScale(chosenUnit(dialog))) {
      dialog.setText(resources::kModelScaleField, decimalText(*scale));
    } else {
      dialog.setText(resources::kModelSizeText, resources::kModelSizeCannotFit);
    }
    return true;
  }
  if (command == platform::kIdOk) {
    std::optional<double> scale = entry_.scale;
    if (entry_.extent) {
      scale = parseScaleField(dialog.getText(resources::kModelScaleField, kWholeField));
      if (!scale) {
        dialog.setText(resources::kModelSizeText, resources::modelScaleOutOfRangeText());
        return true;
      }
    }
    entry_.accepted = true;
    entry_.unit = chosenUnit(dialog);
    entry_.scale = *scale;
    dialog.endDialog(0);
    return true;
  }
  if (command == platform::kIdCancel) {
    entry_.accepted = false;
    dialog.endDialog(0);
    return true;
  }
  return false;
}

void ModelSizeDialogProcedure::onChange(platform::DialogControls& dialog, int control) {
  if (control == resources::kModelUnitList || control == resources::kModelScaleField) {
    showSize(dialog);
  }
}

ModelUnit ModelSizeDialogProcedure::chosenUnit(platform::DialogControls& dialog) const {
  const std::uint32_t unit = dialog.comboItemData(resources::kModelUnitList,
                                                  dialog.comboSelection(resources::kModelUnitList));
  if (unit >= resources::kPaneUnitNames.size()) return entry_.unit;
  return static_cast<ModelUnit>(unit);
}

std::optional<double> ModelSizeDialogProcedure::fittingScale(ModelUnit unit) const {
  if (!entry_.extent) return std::nullopt;
  return scaleToFit(*entry_.extent, unit, entry_.lengthMm);
}

void ModelSizeDialogProcedure::showSize(platform::DialogControls& dialog) {
  const ModelUnit unit = chosenUnit(dialog);
  dialog.enable(resources::kFitLengthButton, fittingScale(unit).has_value());
  if (!entry_.extent) {
    dialog.setText(resources::kModelSizeText, resources::kModelSizeNoModel);
    return;
  }
  const auto scale = parseScaleField(dialog.getText(resources::kModelScaleField, kWholeField));
  if (!scale) {
    dialog.setText(resources::kModelSizeText, resources::modelScaleOutOfRangeText());
    return;
  }
  dialog.setText(resources::kModelSizeText, resources::modelSizeWillBeText(timesScale(
                                                *entry_.extent, *scale * millimetresPer(unit))));
}

bool runModelSizeDialog(platform::Ui& ui, platform::WindowHandle owner, ModelSizeEntry& values) {
  return runEditingDialog<ModelSizeDialogProcedure>(ui, owner, resources::kModelSizeDialog, values);
}

}  // namespace qel
