#include "app/unsaved_changes.h"

#include "app/commands/commands.h"
#include "container/document_fingerprint.h"
#include "resources/captions.h"

namespace qel {

void markUnchanged(AppState& app) {
  app.unchangedFingerprint = documentFingerprint(app.document.record());
  app.unchangedRevision = app.document.revision();
}

// A change undone by hand (a name typed and typed back) leaves nothing to lose.
bool hasUnsavedChanges(const AppState& app) {
  return app.unchangedFingerprint && app.document.revision() != app.unchangedRevision &&
         documentFingerprint(app.document.record()) != *app.unchangedFingerprint;
}

bool mayLoseChanges(AppState& app, platform::WindowHandle window, ChangesAt at) {
  if (!hasUnsavedChanges(app)) return true;
  const std::u16string_view name = app.document.record().containerName.view();
  std::u16string text =
      name.empty() ? u"コンテナの変更が保存されていません。"
                   : u"コンテナ「" + std::u16string(name) + u"」の変更が保存されていません。";
  text += at == ChangesAt::Close ? u"\n終了する前に保存しますか？"
                                 : u"\n別のファイルを開く前に保存しますか？";
  switch (app.ui.messageBox(window, text, resources::kProgramCaption,
                            platform::MessageBoxButtons::SaveDiscardCancel)) {
    case platform::kIdYes:
      saveContainer(app, window);
      return !hasUnsavedChanges(app);
    case platform::kIdNo:
      return true;
    default:
      return false;
  }
}

}  // namespace qel
