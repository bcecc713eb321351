#include "app/command_table.h"

#include "app/commands/commands.h"
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
    {MenuCommand::NewContainer, {newContainer, u"コンテナ初期化"}},
    {MenuCommand::OpenContainer, {openContainer, u"コンテナを開く"}},
    {MenuCommand::SaveContainer, {saveContainer, u"コンテナを保存"}},
    {MenuCommand::WorkshopSettings, {editWorkshopName, u"設定"}},
    {MenuCommand::Exit, {exitProgram, u"ノルカの終了"}},
    {MenuCommand::SetContainerName, {editContainerName, u"コンテナ名を設定"}},
    {MenuCommand::SetParameters, {editParameters, u"パラメータを設定"}},
    {MenuCommand::SetModel, {loadModelFile, u"モデルを設定"}},
    {MenuCommand::SetTexture, {loadTextureFile, u"テクスチャー"}},
    {MenuCommand::SetSideView, {loadSideViewFile, u"サイドビュー"}},
    {MenuCommand::GenerateSideView, {generateSideView, u"サイドビューを生成"}},
    {MenuCommand::SaveTexture, {exportTextureFile, u"テクスチャー"}},
    {MenuCommand::SaveSideView, {exportSideViewFile, u"サイドビュー"}},
    {MenuCommand::About, {showAboutBox, u"バージョン情報"}},
};

}  // namespace

const Command* findCommand(int command) {
  for (const CommandEntry& entry : kCommands) {
    if (commandId(entry.id) == command) return &entry.command;
  }
  return nullptr;
}

}  // namespace qel
