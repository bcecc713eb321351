#pragma once

#include <cstdint>
#include <string_view>

#include "app/app_state.h"
#include "base/bytes.h"
#include "tests/support/container_fixtures.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/scripted_ui.h"

namespace qel::test {

// A record that can be saved, with short names and small blocks whose sizes the status
// view tests spell out: a 118-byte model of 3 vertices, a 256 x 128 texture of 34 bytes and
// a 64 x 32 side view of 29 bytes.
ContainerRecord readyRecord();

// The program's state around a scripted user and in-memory settings, for
// driving single commands.
struct CommandBench {
  CommandBench() : app(ui, settings) { app.workshopName.assign(u"工房"); }
  ContainerRecord& record() { return app.document.change(); }
  void run(CommandHandler command) { command(app, ui.window()); }

  ScriptedUi ui;
  MemorySettingsStore settings;
  AppState app;
};

}  // namespace qel::test
