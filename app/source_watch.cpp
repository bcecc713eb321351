#include "app/source_watch.h"

#include <algorithm>

#include "app/commands/commands.h"
#include "dialogs/workshop_name_store.h"
#include "resources/captions.h"

namespace qel {
namespace {

using resources::SourceKind;

int groupOf(SourceKind kind) {
  return static_cast<int>(kind);
}

bool reloadsWithoutAsking(AppState& app) {
  return app.settings.readString(kWorkshopNameKeyPath, kReloadWithoutAskingValue) == u"1";
}

// The same road as the first time, with the same repair choice.
void reload(AppState& app, platform::WindowHandle window, SourceKind kind,
            const SourceFile& source) {
  switch (kind) {
    case SourceKind::Model:
      setModelFrom(app, window, source.path,
                   source.repaired ? RepairChoice::Repair : RepairChoice::Ask);
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

void watchSource(AppState& app, SourceKind kind, SourceFile source,
                 std::vector<std::u16string> files) {
  std::erase_if(files, [](const std::u16string& file) { return file.empty(); });
  app.sourceWatch.watch(groupOf(kind), files);
  app.sources[static_cast<std::size_t>(kind)] = std::move(source);
  std::erase(app.changedSources, kind);
}

void forgetSource(AppState& app, SourceKind kind) {
  app.sourceWatch.watch(groupOf(kind), {});
  app.sources[static_cast<std::size_t>(kind)].reset();
  std::erase(app.changedSources, kind);
}

void offerChangedSources(AppState& app, platform::WindowHandle window) {
  for (const int group : app.sourceWatch.poll()) {
    const auto kind = static_cast<SourceKind>(group);
    if (std::find(app.changedSources.begin(), app.changedSources.end(), kind) ==
        app.changedSources.end()) {
      app.changedSources.push_back(kind);
    }
  }
  if (!app.ui.isActive(window)) return;
  while (!app.changedSources.empty()) {
    const SourceKind kind = app.changedSources.front();
    app.changedSources.erase(app.changedSources.begin());
    const auto& known = app.sources[static_cast<std::size_t>(kind)];
    if (!known) continue;
    // A copy: setting it again replaces what the slot remembers.
    const SourceFile source = *known;
    if (!reloadsWithoutAsking(app)) {
      const int choice = app.ui.askChoice(window, resources::reloadOfferText(kind, source.path),
                                          resources::kProgramCaption, resources::kReloadChoices);
      if (choice == 2) continue;
      if (choice == 1) {
        app.settings.writeString(kWorkshopNameKeyPath, kReloadWithoutAskingValue, u"1");
      }
    }
    reload(app, window, kind, source);
  }
}

}  // namespace qel
