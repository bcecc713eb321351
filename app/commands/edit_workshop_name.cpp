#include "app/commands/commands.h"
#include "dialogs/workshop_name_check.h"
#include "dialogs/workshop_name_dialog.h"
#include "resources/captions.h"
#include "resources/shell_texts.h"

namespace qel {

void editWorkshopName(AppState& app, platform::WindowHandle window) {
  WorkshopName candidate = app.workshopName;
  for (;;) {
    WorkshopNameEntry entry;
    entry.text = candidate;
    runWorkshopNameDialog(app.ui, window, entry);
    if (!entry.accepted) return;
    candidate = entry.text;
    switch (checkWorkshopName(candidate.view())) {
      case WorkshopNameCheck::Ok:
        saveWorkshopName(app.settings, candidate.view());  // the one step that may allocate
        app.workshopName = candidate;
        app.document.sign(candidate.view());
        app.ui.repaint(window);
        return;
      case WorkshopNameCheck::Prohibited:
        app.ui.messageBox(window, resources::kWorkshopNameProhibitedText,
                          resources::kSettingsCaption, platform::MessageBoxButtons::Ok);
        return;
      case WorkshopNameCheck::Empty:
        app.ui.messageBox(window, resources::kWorkshopNameEmptyText, resources::kSettingsCaption,
                          platform::MessageBoxButtons::Ok);
        break;  // the dialog opens again, empty
    }
  }
}

}  // namespace qel
