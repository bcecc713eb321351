#include "app/command_table.h"

#include "app/commands/commands.h"
#include "resources/captions.h"
#include "resources/menu_command.h"

namespace qel {
namespace {

struct CommandEntry {
  MenuCommand id;
  Command command;
};

// The one dispatch table: menu items and accelerators both arrive here. A caption is that
// of the command's own message boxes, or its menu item's text when it shows none.
constexpr CommandEntry kCommands[] = {
    {MenuCommand::NewContainer, {newContainer, resources::kNewContainerCaption}},
    {MenuCommand::OpenContainer, {openContainer, resources::kOpenContainerCaption}},
    {MenuCommand::SaveContainer, {saveContainer, resources::kSaveContainerCaption}},
    {MenuCommand::CheckFiles, {checkFiles, resources::kCheckFilesCaption}},
    {MenuCommand::WorkshopSettings, {editWorkshopName, resources::kSettingsCaption}},
    {MenuCommand::Exit, {exitProgram, resources::kExitCaption}},
    {MenuCommand::SetContainerName, {editContainerName, resources::kContainerNameCaption}},
    {MenuCommand::SetParameters, {editParameters, resources::kParametersCaption}},
    {MenuCommand::SetModel, {loadModelFile, resources::kModelCaption}},
    {MenuCommand::SetModelSize, {editModelSize, resources::kModelSizeCaption}},
    {MenuCommand::SetTexture, {loadTextureFile, resources::kTextureCaption}},
    {MenuCommand::SetSideView, {loadSideViewFile, resources::kSideViewCaption}},
    {MenuCommand::GenerateSideView, {generateSideView, resources::kGenerateSideViewCaption}},
    {MenuCommand::SaveTexture, {exportTextureFile, resources::kTextureCaption}},
    {MenuCommand::SaveSideView, {exportSideViewFile, resources::kSideViewCaption}},
    {MenuCommand::Guide, {showGuide, resources::kGuideCaption}},
    {MenuCommand::About, {showAboutBox, resources::kAboutCaption}},
};

}  // namespace

const Command* findCommand(int command) {
  for (const CommandEntry& entry : kCommands) {
    if (commandId(entry.id) == command) return &entry.command;
  }
  return nullptr;
}

}  // namespace qel
