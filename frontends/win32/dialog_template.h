#pragma once

#include <windows.h>

#include <vector>

#include "resources/resource_types.h"

namespace qel::win32 {

// An extended dialog template (DLGTEMPLATEEX with its items) laid out in memory from the
// template data, in dialog units of its font, for DialogBoxIndirectParamW. WORD-aligned as
// the function requires (a vector of WORDs).
std::vector<WORD> buildDialogTemplate(const resources::DialogTemplate& dialog);

}  // namespace qel::win32
