#pragma once

#include <span>
#include <string_view>

#include "resources/resource_types.h"

namespace qel::resources {

// Resource identifiers.
inline constexpr int kTitleString = 103;      // "ノルカ"
inline constexpr int kClassNameString = 109;  // "QELCONTAINER"
inline constexpr int kMainMenu = 109;
inline constexpr int kAcceleratorTable = 109;
inline constexpr int kLargeIcon = 107;
inline constexpr int kSmallIcon = 108;
inline constexpr int kAboutDialog = 103;
inline constexpr int kWorkshopNameDialog = 129;
inline constexpr int kContainerNameDialog = 130;
inline constexpr int kParameterDialog = 131;
inline constexpr int kModelSizeDialog = 132;

// Control identifiers of the dialogs.
inline constexpr int kWorkshopNameField = 1000;
inline constexpr int kContainerNameField = 1000;
inline constexpr int kTypeList = 1001;
inline constexpr int kLengthField = 1002;
inline constexpr int kDescriptionField = 1003;
inline constexpr int kModelUnitList = 1004;
inline constexpr int kModelScaleField = 1005;
inline constexpr int kFitLengthButton = 1006;
inline constexpr int kModelSizeText = 1007;

// The string resource id; empty when there is none.
std::u16string_view loadString(int id);

// The menu bar of menu resource id, menu by menu; empty when there is none.
std::span<const Menu> findMenu(int id);

// Accelerator table id in table order; empty when there is none.
std::span<const Accelerator> findAccelerators(int id);

// Dialog template id, or nullptr when there is none.
const DialogTemplate* findDialog(int id);

}  // namespace qel::resources
