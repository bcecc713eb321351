#pragma once

#include "platform/ui.h"

namespace qel::web {

// Builds dialog templateId from resources/ in the page and runs it with procedure until it
// ends; answers the result given to endDialog, or -1 when there is no such dialog.
int runDialog(int templateId, platform::DialogProcedure& procedure);

}  // namespace qel::web
