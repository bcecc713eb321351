#include "naming/workshop_name_prompt.h"

#include "naming/workshop_name_check.h"
#include "naming/workshop_name_dialog.h"

namespace qel {

bool promptWorkshopNameAtStart(AppState& app) {
  for (;;) {
    WorkshopNameEntry entry;
    entry.text = app.workshopName;
    runWorkshopNameDialog(app.ui, nullptr, entry);
    if (entry.accepted == 0) return false;
    // The rejected text stays, so the prompt reopens showing it.
    app.workshopName = entry.text;
    if (checkWorkshopName(app.workshopName.view()) == WorkshopNameCheck::Ok) break;
    app.ui.messageBox(nullptr, u"この名前は設定できません。", u"設定",
                      platform::MessageBoxButtons::Ok);
  }
  saveWorkshopName(app.settings, app.workshopName.view());
  return true;
}

}  // namespace qel
