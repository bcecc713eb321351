#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/app_state.h"

namespace qel {

// The commands of the main window, each defined in the file named after it. Each takes the
// main window as the owner of its dialogs and message boxes and as the window it repaints.

// File menu (container/)
void newContainer(AppState& app, platform::WindowHandle window);
void openContainer(AppState& app, platform::WindowHandle window);
void saveContainer(AppState& app, platform::WindowHandle window);
void checkFiles(AppState& app, platform::WindowHandle window);        // check/
void editWorkshopName(AppState& app, platform::WindowHandle window);  // dialogs/
void exitProgram(AppState& app, platform::WindowHandle window);       // app/

// Settings menu (dialogs/, model/, image/)
void editContainerName(AppState& app, platform::WindowHandle window);
void editParameters(AppState& app, platform::WindowHandle window);
void loadModelFile(AppState& app, platform::WindowHandle window);
void editModelSize(AppState& app, platform::WindowHandle window);
void loadTextureFile(AppState& app, platform::WindowHandle window);
void loadSideViewFile(AppState& app, platform::WindowHandle window);
void generateSideView(AppState& app, platform::WindowHandle window);  // preview/
void exportTextureFile(AppState& app, platform::WindowHandle window);
void exportSideViewFile(AppState& app, platform::WindowHandle window);

// Help menu (app/)
void showGuide(AppState& app, platform::WindowHandle window);
void showAboutBox(AppState& app, platform::WindowHandle window);

// The roads of open, set model, set texture and set side view from a path chosen elsewhere
// (named at start-up, dropped on the window, a recent file, a source written again): no
// picker, everything else as the commands do it.
void openContainerAt(AppState& app, platform::WindowHandle window, std::u16string_view path);
// Ask offers the repair for a refusal it can mend; Repair repairs at once, as the author
// chose when the model was set before, with the image then picked for a model whose
// materials name no texture. A kept scale multiplies the positions as the author chose
// before; without one the model is new and offered to fit the part's length.
enum class RepairChoice { Ask, Repair };
void setModelFrom(AppState& app, platform::WindowHandle window, std::u16string_view path,
                  RepairChoice repair = RepairChoice::Ask,
                  std::optional<float> keptScale = std::nullopt,
                  std::u16string_view imageForAll = {});
void setTextureFrom(AppState& app, platform::WindowHandle window, std::u16string_view path);
void setSideViewFrom(AppState& app, platform::WindowHandle window, std::u16string_view path);
// After the model changed under a side view generated from the model before: a new side view
// of this model, offered as generateSideView offers it; one that cannot be drawn is not.
void offerSideViewOfNewModel(AppState& app, platform::WindowHandle window);

// Recent files: the entry at index of the list at the end of the File menu.
void openRecentFile(AppState& app, platform::WindowHandle window, std::size_t index);

// Files dropped on the main window, the first of them taken: a container opens, an OBJ
// model is set, a PNG image goes into the picture of the preview pane it was dropped on,
// or, dropped elsewhere, where the author says.
enum class DropTarget { Window, Texture, SideView };
void dropFiles(AppState& app, platform::WindowHandle window, DropTarget target,
               std::span<const std::u16string> paths);

}  // namespace qel
