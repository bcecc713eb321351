#pragma once

#include <cstdint>
#include <string_view>

#include "app/app_state.h"
#include "container/bytes.h"
#include "tests/support/memory_settings_store.h"
#include "tests/support/scripted_ui.h"

namespace qel::test {

// Bytes that pass the PNG header check with the given size; extra bytes make files of
// different lengths.
Bytes fakePng(std::uint32_t width, std::uint32_t height, std::size_t extra = 0);

// A ModelBlob header with these counts, followed by zero bytes of the right length.
Bytes fakeModelBlob(std::uint32_t vertexCount, std::uint32_t indexCount);

// A record that can be saved: names, parameters and all three blocks.
ContainerRecord readyRecord();

// The program's state around a scripted user and in-memory settings, with a record, for
// driving single commands.
struct CommandBench {
  CommandBench() : app(ui, settings) {
    app.record = std::make_unique<ContainerRecord>();
    app.workshopName.assign(u"工房");
  }
  ContainerRecord& record() { return *app.record; }
  void run(CommandHandler command) { command(app, ui.window()); }

  ScriptedUi ui;
  MemorySettingsStore settings;
  AppState app;
};

}  // namespace qel::test
