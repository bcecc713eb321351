#include "resources/menu_command.h"
#include "resources/resources.h"

namespace qel::resources {
namespace {

constexpr int id(MenuCommand command) {
  return commandId(command);
}
constexpr MenuItem kSeparator{};

constexpr MenuItem kFileItems[] = {
    {id(MenuCommand::NewContainer), u"新規コンテナを作成(&N)"},
    {id(MenuCommand::OpenContainer), u"コンテナを開く(&O)"},
    {id(MenuCommand::CheckFiles), u"ファイルを確認(&K)"},
    kSeparator,
    {id(MenuCommand::SaveContainer), u"コンテナを保存(&S)"},
    kSeparator,
    {id(MenuCommand::WorkshopSettings), u"工房の設定"},
    kSeparator,
    {id(MenuCommand::Exit), u"ノルカの終了(&X)"},
};

constexpr MenuItem kSettingsItems[] = {
    {id(MenuCommand::SetContainerName), u"コンテナ名を設定"},
    {id(MenuCommand::SetParameters), u"パラメータを設定"},
    {id(MenuCommand::SetModel), u"モデルを設定"},
    {id(MenuCommand::SetModelSize), u"モデルの単位と大きさ..."},
    {id(MenuCommand::SetTexture), u"テクスチャーを設定"},
    {id(MenuCommand::SetSideView), u"サイドビューを設定"},
    {id(MenuCommand::GenerateSideView), u"サイドビューを生成"},
    kSeparator,
    {id(MenuCommand::SaveTexture), u"テクスチャーを保存"},
    {id(MenuCommand::SaveSideView), u"サイドビューを保存"},
};

constexpr MenuItem kHelpItems[] = {
    {id(MenuCommand::Guide), u"使い方(&G)"},
    {id(MenuCommand::About), u"バージョン情報(&A)..."},
};

constexpr Menu kMainMenuBar[] = {
    {u"ファイル(&F)", kFileItems},
    {u"設定(&S)", kSettingsItems},
    {u"ヘルプ(&H)", kHelpItems},
};

constexpr std::uint8_t kCharAlt = kAccelNoInvert | kAccelAlt;
constexpr std::uint8_t kVirtualCtrl = kAccelVirtualKey | kAccelNoInvert | kAccelControl;

constexpr Accelerator kMainAccelerators[] = {
    {kCharAlt, u'/', id(MenuCommand::About)},
    {kCharAlt, u'?', id(MenuCommand::About)},
    {kVirtualCtrl, u'O', id(MenuCommand::OpenContainer)},
    {kVirtualCtrl, u'S', id(MenuCommand::SaveContainer)},
    {kVirtualCtrl | kAccelLastEntry, u'N', id(MenuCommand::NewContainer)},
};

}  // namespace

std::span<const Menu> findMenu(int menuId) {
  if (menuId == kMainMenu) return kMainMenuBar;
  return {};
}

std::span<const Accelerator> findAccelerators(int tableId) {
  if (tableId == kAcceleratorTable) return kMainAccelerators;
  return {};
}

}  // namespace qel::resources
