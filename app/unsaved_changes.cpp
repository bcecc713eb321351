#include "app/unsaved_changes.h"

#include "app/commands/commands.h"
#include "container/record_fingerprint.h"
#include "resources/captions.h"
#include "resources/shell_texts.h"

namespace qel {

void markUnchanged(AppState& app) {
  app.unchangedFingerprint = recordFingerprint(app.document.record());
  app.unchangedRevision = app.document.revision();
}

// A change undone by hand (a name typed and typed back) leaves nothing to lose.
bool hasUnsavedChanges(const AppState& app) {
  return app.unchangedFingerprint && app.document.revision() != app.unchangedRevision &&
         recordFingerprint(app.document.record()) != *app.unchangedFingerprint;
}

bool mayLoseChanges(AppState& app, platform::WindowHandle window, ChangesAt at) {
  if (!hasUnsavedChanges(app)) return true;
  const std::u16string text = resources::unsavedChangesQuestion(
      app.document.record().containerName.view(), at == ChangesAt::Close);
  switch (app.ui.askChoice(window, text, resources::kProgramCaption,
                           resources::kUnsavedChangesChoices)) {
    case 0:  // 保存
      saveContainer(app, window);
      return !hasUnsavedChanges(app);
    case 1:  // 保存しない
      return true;
    default:
      return false;
  }
}

}  // namespace qel
