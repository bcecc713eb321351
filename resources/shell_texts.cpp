#include "resources/shell_texts.h"

namespace qel::resources {
namespace {

std::u16string_view nameOf(SourceKind kind) {
  switch (kind) {
    case SourceKind::Model:
      return u"3Dモデル";
    case SourceKind::Texture:
      return u"テクスチャー";
    case SourceKind::SideView:
      break;
  }
  return u"サイドビュー";
}

std::u16string_view fileNameOf(SourceKind kind, SourceFileRole role) {
  switch (role) {
    case SourceFileRole::MaterialLibrary:
      return u"MTLファイル";
    case SourceFileRole::Texture:
      return u"テクスチャー";
    case SourceFileRole::Source:
      break;
  }
  return kind == SourceKind::Model ? u"OBJファイル" : u"ファイル";
}

}  // namespace

std::u16string recentFileMissingText(std::u16string_view path) {
  return u"このファイルは開けません。\n" + std::u16string(path) +
         u"\nファイルが見つかりません。最近使ったファイルの一覧から外します。";
}

std::u16string droppedImageQuestion(std::u16string_view path) {
  return u"この画像をどちらに設定しますか？\n" + std::u16string(path);
}

std::u16string reloadOfferText(std::u16string_view containerName, SourceKind kind,
                               SourceFileRole role, std::u16string_view path) {
  std::u16string text = containerName.empty()
                            ? std::u16string(u"コンテナ（名前未設定）")
                            : u"コンテナ「" + std::u16string(containerName) + u"」";
  text += u"の" + std::u16string(nameOf(kind)) + u"の" + std::u16string(fileNameOf(kind, role));
  return text + u"が変更されました。\n" + std::u16string(path) + u"\n読み込み直しますか？";
}

std::u16string unsavedChangesQuestion(std::u16string_view containerName, bool closing) {
  std::u16string text = containerName.empty() ? u"コンテナの変更が保存されていません。"
                                              : u"コンテナ「" + std::u16string(containerName) +
                                                    u"」の変更が保存されていません。";
  text += closing ? u"\n終了する前に保存しますか？" : u"\n別のファイルを開く前に保存しますか？";
  return text;
}

}  // namespace qel::resources
