#include "resources/shell_texts.h"

#include "base/text_pattern.h"
#include "resources/refusal_texts.h"
#include "resources/repair_notes_text.h"
#include "resources/text_parts.h"

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
  return openRefusedText(path, u"ファイルが見つかりません。最近使ったファイルの一覧から外します。");
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

std::u16string repairOfferText(const ModelRefusal& refusal, const RepairNotes& notes) {
  std::u16string mend = u"テクスチャーを作り直して読み込みます。";
  if (const auto& simplified = notes.simplification) {
    mend = fillPattern(
        u"テクスチャーの継ぎ目やマテリアルの境目と輪郭を保ったまま、三角形を%1個に減らして"
        u"読み込みます（形のずれはモデルの大きさの約%2%）。",
        {grouped(static_cast<std::uint64_t>(simplified->trianglesAfter)),
         deviationPercent(simplified->error)});
  } else if (refusal.code == "obj.capacity") {
    mend = u"面に使われている分だけを読み込みます。";
  } else if (refusal.code == "model.texture-not-png" || refusal.code == "model.texture-too-large") {
    mend = fillPattern(u"テクスチャーをPNG形式の%1以内に変換して読み込みます。", {largestImage()});
  } else if (notes.imageFoundBeside && !notes.images.empty()) {
    mend = fillPattern(u"モデルと同じ名前の画像「%1」をテクスチャーとして読み込みます。",
                       {fileName(notes.images.front())});
  } else if (!notes.unreadableLibrary.empty() || !refusal.unreadableLibrary.empty()) {
    mend = u"マテリアルがないため、面を薄い灰色で塗って読み込みます。";
  } else if (refusal.code == "model.no-texture-material") {
    mend = u"マテリアルの色（Kd）からテクスチャーを作って読み込みます。";
  }
  return u"このモデルはそのままでは設定できません。\n" + modelReasonLine(refusal) + u"\n" + mend +
         u"\n" + repairNotesText(notes) +
         u"元のファイルは変更されません。\n修復して読み込みますか？";
}

std::u16string cutFacesOfferText(std::uint32_t cutFaces) {
  return fillPattern(
      u"このモデルには頂点が5つ以上ある面が%1個あり、"
      u"そのままでは最初の4つの頂点しか使われないため、面が欠けます。\n"
      u"修復すると、これらの面を三角形に分けて読み込みます。"
      u"元のファイルは変更されません。\n"
      u"修復して読み込みますか？",
      {grouped(cutFaces)});
}

std::u16string inPlaceSaveQuestion(std::u16string_view path) {
  return u"このフォルダーには新しいファイルを作れないため、ファイルに直接上書きします。\n" +
         std::u16string(path) +
         u"\n保存の途中でパソコンが止まると、ファイルが壊れることがあります。保存しますか？";
}

std::u16string savePathTooLongText() {
  return u"保存できません。\n" + pathTooLongText();
}

std::u16string guideNotShownText(std::u16string_view path) {
  return u"使い方をブラウザーで開けませんでした。\n" + std::u16string(path);
}

}  // namespace qel::resources
