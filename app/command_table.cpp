#include "app/command_table.h"

#include "app/commands/commands.h"
#include "resources/menu_command.h"

namespace qel {
namespace {

struct CommandEntry {
  MenuCommand command;
  CommandHandler handler;
};

// The one dispatch table: menu items and accelerators both arrive here.
constexpr CommandEntry kCommands[] = {
    {MenuCommand::NewContainer, newContainer},
    {MenuCommand::OpenContainer, openContainer},
    {MenuCommand::SaveContainer, saveContainer},
    {MenuCommand::WorkshopSettings, editWorkshopName},
    {MenuCommand::Exit, exitProgram},
    {MenuCommand::SetContainerName, editContainerName},
    {MenuCommand::SetParameters, editParameters},
    {MenuCommand::SetModel, loadModelFile},
    {MenuCommand::SetTexture, loadTextureFile},
    {MenuCommand::SetSideView, loadSideViewFile},
    {MenuCommand::SaveTexture, exportTextureFile},
    {MenuCommand::SaveSideView, exportSideViewFile},
    {MenuCommand::About, showAboutBox},
};

}  // namespace

CommandHandler findCommand(int command) {
  for (const CommandEntry& entry : kCommands) {
    if (commandId(entry.command) == command) return entry.handler;
  }
  return nullptr;
}

}  // namespace qel
