#include "app/unsaved_changes.h"

#include "app/commands/commands.h"
#include "resources/captions.h"
#include "resources/shell_texts.h"

namespace qel {

bool mayLoseChanges(AppState& app, platform::WindowHandle window, ChangesAt at) {
  if (!app.document.hasUnsavedChanges()) return true;
  const std::u16string text = resources::unsavedChangesQuestion(
      app.document.record().containerName.view(), at == ChangesAt::Close);
  switch (app.ui.askChoice(window, text, resources::kProgramCaption,
                           resources::kUnsavedChangesChoices)) {
    case 0:  // 保存
      saveContainer(app, window);
      return !app.document.hasUnsavedChanges();
    case 1:  // 保存しない
      return true;
    default:
      return false;
  }
}

}  // namespace qel
