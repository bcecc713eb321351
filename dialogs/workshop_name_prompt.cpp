#include "dialogs/workshop_name_prompt.h"

#include "dialogs/workshop_name_check.h"
#include "dialogs/workshop_name_dialog.h"
#include "resources/captions.h"
#include "resources/shell_texts.h"

namespace qel {

bool promptWorkshopNameAtStart(platform::Ui& ui, platform::SettingsStore& settings,
                               WorkshopName& name) {
  for (;;) {
    WorkshopNameEntry entry;
    entry.text = name;
    runWorkshopNameDialog(ui, nullptr, entry);
    if (!entry.accepted) return false;
    // The rejected text stays, so the prompt reopens showing it.
    name = entry.text;
    if (checkWorkshopName(name.view()) == WorkshopNameCheck::Ok) break;
    ui.messageBox(nullptr, resources::kWorkshopNameRefusedText, resources::kSettingsCaption,
                  platform::MessageBoxButtons::Ok);
  }
  saveWorkshopName(settings, name.view());
  return true;
}

}  // namespace qel
