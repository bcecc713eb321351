#pragma once

#include "app/app_state.h"

namespace qel {

// The commands of the main window, each defined in the file named after it. Each takes the
// main window as the owner of its dialogs and message boxes and as the window it repaints.

// File menu (container/)
void newContainer(AppState& app, platform::WindowHandle window);
void openContainer(AppState& app, platform::WindowHandle window);
void saveContainer(AppState& app, platform::WindowHandle window);
void editWorkshopName(AppState& app, platform::WindowHandle window);  // dialogs/
void exitProgram(AppState& app, platform::WindowHandle window);       // app/

// Settings menu (dialogs/, model/, image/)
void editContainerName(AppState& app, platform::WindowHandle window);
void editParameters(AppState& app, platform::WindowHandle window);
void loadModelFile(AppState& app, platform::WindowHandle window);
void loadTextureFile(AppState& app, platform::WindowHandle window);
void loadSideViewFile(AppState& app, platform::WindowHandle window);
void generateSideView(AppState& app, platform::WindowHandle window);  // preview/
void exportTextureFile(AppState& app, platform::WindowHandle window);
void exportSideViewFile(AppState& app, platform::WindowHandle window);

// Help menu (app/)
void showGuide(AppState& app, platform::WindowHandle window);
void showAboutBox(AppState& app, platform::WindowHandle window);

// The roads of open and set model from a path chosen elsewhere (named at start-up, or
// dropped on the window): no picker, everything else as the commands do it.
void openContainerAt(AppState& app, platform::WindowHandle window, std::u16string_view path);
void setModelFrom(AppState& app, platform::WindowHandle window, std::u16string_view path);

}  // namespace qel
