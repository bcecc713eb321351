#include "app/source_watch.h"

#include "app/commands/commands.h"
#include "resources/captions.h"

namespace qel {
namespace {

using resources::SourceKind;

bool reloadsWithoutAsking(AppState& app) {
  return app.settings.readString(platform::kSettingsKeyPath, kReloadWithoutAskingValue) == u"1";
}

// The same road as the first time, with the same repair choice.
void reload(AppState& app, platform::WindowHandle window, SourceKind kind,
            const SourceFile& source) {
  switch (kind) {
    case SourceKind::Model:
      setModelFrom(app, window, source.path,
                   source.repaired ? RepairChoice::Repair : RepairChoice::Ask, source.scale,
                   source.imageForAll);
      break;
    case SourceKind::Texture:
      setTextureFrom(app, window, source.path);
      break;
    case SourceKind::SideView:
      setSideViewFrom(app, window, source.path);
      break;
  }
}

}  // namespace

void offerChangedSources(AppState& app, platform::WindowHandle window) {
  app.document.sources().look();
  if (!app.ui.isActive(window)) return;
  while (const std::optional<SourceChange> change = app.document.sources().takeChange()) {
    if (!reloadsWithoutAsking(app)) {
      const std::u16string question =
          resources::reloadOfferText(app.document.record().containerName.view(), change->kind,
                                     change->role, change->writtenFile);
      const int choice =
          app.ui.askChoice(window, question, resources::kProgramCaption, resources::kReloadChoices);
      if (choice == 2) continue;
      if (choice == 1) {
        app.settings.writeString(platform::kSettingsKeyPath, kReloadWithoutAskingValue, u"1");
      }
    }
    reload(app, window, change->kind, change->source);
  }
}

}  // namespace qel
