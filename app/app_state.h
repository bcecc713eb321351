#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/document.h"
#include "base/fixed_text.h"
#include "dialogs/workshop_name_store.h"
#include "platform/file_change_watch.h"
#include "platform/settings_store.h"
#include "platform/ui.h"
#include "resources/shell_texts.h"

namespace qel {

// A file that the model, texture or side view was set from, to set again when it changes.
struct SourceFile {
  std::u16string path;
  bool repaired = false;  // the author had the model repaired
};

// Everything the program keeps while it runs, in one place, used by its one thread only.
// Every command receives it together with the main window.
struct AppState {
  AppState(platform::Ui& ui, platform::SettingsStore& settings) : ui(ui), settings(settings) {}

  platform::Ui& ui;
  platform::SettingsStore& settings;
  Document document;
  WorkshopName workshopName;
  PathText currentContainerPath;  // the file last opened or saved
  // The record's fingerprint and revision when it was last opened, saved or made new (at
  // start-up, once it is signed); until then there is nothing to lose.
  std::optional<std::uint64_t> unchangedFingerprint;
  std::uint64_t unchangedRevision = 0;
  // The containers last opened or saved, the newest first (recent_files.h).
  std::vector<std::u16string> recentFiles;
  // The source files set since the start, by resources::SourceKind (source_watch.h).
  std::array<std::optional<SourceFile>, 3> sources;
  platform::FileChangeWatch sourceWatch;
  std::vector<resources::SourceKind> changedSources;  // waiting to be offered
};

// A command of the main window; the window owns its dialogs and is the one it repaints.
using CommandHandler = void (*)(AppState& app, platform::WindowHandle window);

}  // namespace qel
