#pragma once

#include <windows.h>

#include "platform/ui.h"
#include "resources/resource_types.h"

namespace qel::win32 {

// Runs dialog modally with DialogBoxIndirectParamW: the edit limits of the template are set,
// the procedure initialises the controls, and every button press (Escape and the close box
// as kIdCancel) reaches the procedure as a command. Answers the result given to endDialog,
// or -1 when the dialog could not be shown.
int runTemplateDialog(HINSTANCE instance, HWND owner, const resources::DialogTemplate& dialog,
                      platform::DialogProcedure& procedure);

}  // namespace qel::win32
