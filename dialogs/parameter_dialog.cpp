#include "dialogs/parameter_dialog.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "dialogs/container_type_table.h"
#include "dialogs/dialog_buttons.h"
#include "dialogs/unsigned_field.h"
#include "resources/resources.h"

namespace qel {
namespace {

// The length field is read whole: a cut text could turn into another number.
constexpr int kWholeField = std::numeric_limits<int>::max();

void fillTypeList(platform::DialogControls& dialog, std::uint32_t typeIndex) {
  dialog.comboReset(resources::kTypeList);
  // The list sorts its entries, so each carries its table index; a position is never one.
  for (std::uint32_t index : kOfferedContainerTypes) {
    const int position = dialog.comboAddString(resources::kTypeList, kContainerTypeTable[index]);
    dialog.comboSetItemData(resources::kTypeList, position, index);
  }
  const int count = dialog.comboCount(resources::kTypeList);
  int selected = 0;  // a type not offered falls back to the first entry, "---"
  for (int position = 0; position < count; ++position) {
    if (dialog.comboItemData(resources::kTypeList, position) == typeIndex) {
      selected = position;
      break;
    }
  }
  dialog.comboSetSelection(resources::kTypeList, selected);
}

}  // namespace

std::uint32_t lengthFieldValue(float lengthMm) {
  if (!std::isfinite(lengthMm)) return 0;
  constexpr double kWrap = 4294967296.0;
  double whole = std::fmod(std::trunc(static_cast<double>(lengthMm)), kWrap);
  if (whole < 0) whole += kWrap;
  return static_cast<std::uint32_t>(whole);
}

bool ParameterDialogProcedure::onInitDialog(platform::DialogControls& dialog) {
  dialog.setText(resources::kDescriptionField, entry_.description.view());
  dialog.setText(resources::kLengthField, unsignedFieldText(lengthFieldValue(entry_.lengthMm)));
  fillTypeList(dialog, entry_.typeIndex);
  return true;
}

bool ParameterDialogProcedure::onCommand(platform::DialogControls& dialog, int command) {
  return handleOkOrCancel(dialog, command, entry_.accepted, [&] {
    entry_.description.assign(dialog.getText(resources::kDescriptionField, kDescriptionKept + 1));
    // A field that holds no valid number keeps the length as it was.
    if (const auto length =
            parseUnsignedField(dialog.getText(resources::kLengthField, kWholeField))) {
      entry_.lengthMm = static_cast<float>(std::min(*length, kMaxLengthMm));
    }
    const std::uint32_t type =
        dialog.comboItemData(resources::kTypeList, dialog.comboSelection(resources::kTypeList));
    if (type != platform::kComboError) entry_.typeIndex = type;
  });
}

bool runParameterDialog(platform::Ui& ui, platform::WindowHandle owner, ParameterEntry& values) {
  return runEditingDialog<ParameterDialogProcedure>(ui, owner, resources::kParameterDialog, values);
}

}  // namespace qel
