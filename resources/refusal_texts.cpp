#include "resources/refusal_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "base/path_parts.h"
#include "base/text_pattern.h"
#include "base/utf.h"
#include "container/container_format.h"
#include "model/line_pieces.h"
#include "model/repair_reading.h"

namespace qel::resources {
namespace {

// Digits in groups of three, as an author counts: 10,200.
std::u16string grouped(std::uint64_t value) {
  const std::string digits = std::to_string(value);
  std::u16string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += u',';
    text += static_cast<char16_t>(digits[i]);
  }
  return text;
}

std::u16string plain(std::uint64_t value) {
  return fromUtf8(std::to_string(value));
}

// The name of a file in a message, without its folders.
std::u16string fileName(std::u16string_view path) {
  const PathParts parts = splitPath(path);
  return std::u16string(parts.base) + std::u16string(parts.extension);
}

std::u16string imageSize(const PngSize& size) {
  return grouped(size.width) + u"×" + grouped(size.height) + u"ピクセル";
}

constexpr std::u16string_view kLargestImage = u"256×256ピクセル";
constexpr std::u16string_view kSeeCheck =
    u"「qelcontainer-cli check」でOBJファイルの問題をすべて確認できます。";

constexpr std::u16string_view kSaveAsAnsi =
    u"メモ帳などで文字コードを「ANSI」か「UTF-8」にして保存し直してください。";

std::u16string_view listName(ModelList list) {
  switch (list) {
    case ModelList::Positions:
      return u"頂点の座標（v）";
    case ModelList::Normals:
      return u"法線（vn）";
    case ModelList::TexCoords:
      return u"テクスチャー座標（vt）";
    case ModelList::Materials:
      return u"マテリアル";
    case ModelList::Triangles:
    case ModelList::None:
      break;
  }
  return u"三角形";
}

// The triangles first, as an author counts them, then the list that was full, if another.
// triangleLimit is what the reading took; the repair reads more, to simplify.
std::u16string countsText(const RefusalFacts& facts, std::uint64_t triangleLimit,
                          std::u16string_view upTo) {
  const bool otherList = facts.list != ModelList::Triangles && facts.list != ModelList::None;
  const std::uint64_t triangles = otherList ? facts.triangles : facts.count;
  std::u16string text;
  if (!otherList || triangles > triangleLimit) {
    text = fillPattern(u"三角形が%1個あります。%2%3個までです。",
                       {grouped(triangles), std::u16string(upTo), grouped(triangleLimit)});
  }
  if (otherList) {
    text += fillPattern(u"%1が%2個あります。%3%4個までです。",
                        {std::u16string(listName(facts.list)), grouped(facts.count),
                         std::u16string(upTo), grouped(facts.limit)});
  }
  return text;
}

std::u16string capacityText(const RefusalFacts& facts) {
  if (facts.list == ModelList::Materials) {
    return fillPattern(u"マテリアルが%1個あります。設定できるのは%2個までです。",
                       {grouped(facts.count), grouped(facts.limit)});
  }
  const bool overTriangles =
      facts.triangles > static_cast<std::uint64_t>(ObjModel::kTriangleCapacity) ||
      facts.list == ModelList::Triangles;
  return countsText(facts, ObjModel::kTriangleCapacity, u"設定できるのは") +
         (overTriangles ? u"\n修復して読み込むと、三角形を減らして（簡略化して）設定できます。"
                        : u"\n修復して読み込むと、面に使われている分だけを設定できます。");
}

constexpr std::u16string_view kReduceTriangles =
    u"\nモデリングソフトで三角形を減らしてから、もう一度設定してください。";

// Why a model has no material with a texture: its MTL file could not be read.
std::u16string libraryReason(const ModelRefusal& r) {
  const std::u16string name = fileName(r.unreadableLibrary);
  switch (r.libraryFault) {
    case LibraryFault::TooLong:
      return fillPattern(
          u"MTLファイル「%1」が大きすぎて、最後まで読み込めません（%2バイトまで）。\n"
          u"MTLファイルが正しいファイルか確認してください。",
          {name, grouped(kLongestModelFile)});
    case LibraryFault::Utf16:
      return fillPattern(
          u"MTLファイル「%1」がUTF-16（Unicode）で保存されているため、読み込めません。\n" +
              std::u16string(kSaveAsAnsi),
          {name});
    case LibraryFault::NotRead:
      break;
  }
  return fillPattern(
      u"OBJファイルで指定されているMTLファイル「%1」が見つかりません。\n"
      u"MTLファイルがOBJファイルと同じフォルダーにあるか確認してください。",
      {name});
}

// The reason and the advice of a model refusal, after the box's first line.
std::u16string modelReason(const ModelRefusal& r) {
  const std::u16string subject = fileName(r.facts.subject);
  const std::u16string line = plain(r.line);
  const std::string& code = r.code;
  if (code == "obj.capacity" || code == "mtl.capacity") return capacityText(r.facts);
  if (code == "model.no-texture-material") {
    if (!r.unreadableLibrary.empty()) return libraryReason(r);
    return u"テクスチャーが指定されたマテリアルがありません。\n"
           u"MTLファイルでマテリアルにテクスチャー（map_Kd）を指定してください。";
  }
  if (code == "model.texture-not-png") {
    const std::u16string format = fromUtf8(r.facts.format);
    return fillPattern(format.empty() ? u"テクスチャー「%1」はPNG形式の画像ではありません。"
                                      : u"テクスチャー「%1」は%2形式です。",
                       {subject, format}) +
           u"テクスチャーにはPNG形式の画像しか使用できません。\nPNG形式で保存し直してください。";
  }
  if (code == "model.texture-unreadable") {
    return fillPattern(
        u"テクスチャーファイル「%1」が見つかりません。\n"
        u"MTLファイルで指定された場所に画像があるか確認してください。",
        {subject});
  }
  if (code == "model.texture-too-large") {
    return fillPattern(
        u"テクスチャー「%1」の大きさが%2です。使用できるのは%3までです。\n"
        u"画像を縮小してから、もう一度設定してください。",
        {subject, imageSize(r.facts.image.size), std::u16string(kLargestImage)});
  }
  if (code == "model.texture-path-too-long" || code == "path.too-long") {
    return fillPattern(
        u"ファイルのパスが長すぎます。使用できるのは%1文字までです。\n"
        u"短いパスのフォルダーに移してください。",
        {plain(kLongestPath)});
  }
  if (code == "model.no-face") return u"このモデルには面がありません。";
  if (code == "repair.too-large") {
    return countsText(r.facts, kRepairTriangleBound, u"修復で読み込めるのは") +
           std::u16string(kReduceTriangles);
  }
  if (code == "repair.not-simplified") {
    return fillPattern(u"三角形が%1個あり、%2個まで減らせませんでした。",
                       {grouped(r.facts.count), grouped(r.facts.limit)}) +
           std::u16string(kReduceTriangles);
  }
  if (code == "repair.cancelled") return u"簡略化を中止しました。";
  if (code == "repair.texture-unreadable") {
    return fillPattern(
        u"テクスチャー「%"
        u"1」を修復のために読み込めません（見つからないか、形式か大きさが対応していません）。\n"
        u"JPEG、PNG、BMP、TGA、GIF形式の画像を指定してください。",
        {subject});
  }
  if (code == "repair.atlas-full") {
    return u"マテリアルが多すぎて、256×256ピクセルのテクスチャーに収まりません。\n"
           u"マテリアルの数を減らしてから、もう一度設定してください。";
  }
  if (code == "obj.unreadable") return u"OBJファイルを読み込めません。";
  if (code == "obj.utf16") {
    return u"OBJファイルがUTF-16（Unicode）で保存されているため、読み込めません。\n" +
           std::u16string(kSaveAsAnsi);
  }
  if (code == "obj.no-such-position" || code == "obj.no-such-normal" ||
      code == "obj.no-such-texcoord" || code == "obj.corner-without-position") {
    return fillPattern(u"%1行目の面が、ファイルにない頂点の番号を指しています。\n", {line}) +
           std::u16string(kSeeCheck);
  }
  return fillPattern(r.line > 0 ? u"ファイル「%1」の%2行目を読み込めません。\n"
                                : u"ファイル「%1」を読み込めません。\n",
                     {fileName(r.file), line}) +
         std::u16string(kSeeCheck);
}

}  // namespace

std::u16string repairOfferText(const ModelRefusal& refusal) {
  const std::u16string reason = modelReason(refusal);
  std::u16string_view mend = u"テクスチャーを作り直して読み込みます。";
  if (refusal.code == "model.texture-not-png" || refusal.code == "model.texture-too-large") {
    mend = u"テクスチャーをPNG形式の256×256ピクセル以内に変換して読み込みます。";
  } else if (refusal.code == "obj.capacity") {
    mend = u"面に使われている分だけを読み込みます。";
  } else if (refusal.code == "model.no-texture-material") {
    mend = u"マテリアルの色（Kd）からテクスチャーを作って読み込みます。";
  }
  return u"このモデルはそのままでは設定できません。\n" + reason.substr(0, reason.find(u'\n')) +
         u"\n" + std::u16string(mend) + u"元のファイルは変更されません。\n修復して読み込みますか？";
}

std::u16string simplifyOfferText(const ModelSimplification& simplification) {
  // A tenth of a percent at least, so that a small deviation does not read as none.
  const double percent = std::max(0.1, std::round(simplification.error * 1000.0) / 10.0);
  char share[16];
  std::snprintf(share, sizeof share, "%.1f", percent);
  return fillPattern(
      u"このモデルはそのままでは設定できません。\n"
      u"三角形が%1個あります。設定できるのは%2個までです。\n"
      u"修復すると、テクスチャーの継ぎ目やマテリアルの境目と輪郭を保ったまま、"
      u"三角形を%3個に減らして読み込みます（形のずれはモデルの大きさの約%4%）。"
      u"元のファイルは変更されません。\n"
      u"修復して読み込みますか？",
      {grouped(static_cast<std::uint64_t>(simplification.trianglesBefore)),
       grouped(ObjModel::kTriangleCapacity),
       grouped(static_cast<std::uint64_t>(simplification.trianglesAfter)), fromUtf8(share)});
}

std::u16string cutFacesOfferText(std::uint32_t cutFaces) {
  return fillPattern(
      u"このモデルには角が5つ以上ある面が%1個あり、"
      u"そのままでは最初の4つの角しか使われないため、面が欠けます。\n"
      u"修復すると、これらの面を三角形に分けて読み込みます。"
      u"元のファイルは変更されません。\n"
      u"修復して読み込みますか？",
      {grouped(cutFaces)});
}

std::u16string japaneseText(const ContainerFileOpening& opening, std::u16string_view path) {
  std::u16string reason;
  switch (opening.refusal) {
    case ContainerFileRefusal::None:
      return {};
    case ContainerFileRefusal::Unreadable:
      reason = u"ファイルを読み込めません（見つからないか、空か、読み取りが許可されていません）。";
      break;
    case ContainerFileRefusal::TooLarge:
      reason = fillPattern(u"ファイルの大きさが%1バイトです。コンテナファイルは%2バイト未満です。",
                           {grouped(opening.fileSize), grouped(kContainerFileLimit)});
      break;
    case ContainerFileRefusal::NotAContainer:
      reason = u"コンテナファイルではありません。";
      break;
    case ContainerFileRefusal::Damaged:
      reason = u"コンテナファイルが破損しています（途中で切れているか、終わりの印がありません）。";
      break;
  }
  return u"このファイルは開けません。\n" + std::u16string(path) + u"\n" + reason;
}

std::u16string japaneseText(const ModelRefusal& refusal) {
  return u"このモデルは設定できません。\n" + modelReason(refusal);
}

std::u16string japaneseText(const ImageCheck& check) {
  switch (check.problem) {
    case ImageProblem::None:
      break;
    case ImageProblem::Unreadable:
      return u"ファイルを読み込めません（見つからないか、空です）。";
    case ImageProblem::NotPng:
      return u"PNG形式の画像ではありません。PNG形式の画像を選んでください。";
    case ImageProblem::TooLarge:
      return fillPattern(u"画像の大きさが%1です。使用できるのは%2までです。",
                         {imageSize(check.size), std::u16string(kLargestImage)});
  }
  return {};
}

std::u16string japaneseText(const SaveReadiness& readiness) {
  const auto itemName = [](RecordItem item) -> std::u16string_view {
    switch (item) {
      case RecordItem::MakerName:
        return u"工房名";
      case RecordItem::ContainerName:
        return u"コンテナ名";
      case RecordItem::Model:
        return u"3Dモデル";
      case RecordItem::Texture:
        return u"テクスチャー";
      case RecordItem::SideView:
        break;
    }
    return u"サイドビュー";
  };
  if (readiness.missing.empty()) return {};
  // One missing item keeps the program's long-standing text.
  if (readiness.missing.size() == 1) {
    return u"保存できません。" + std::u16string(itemName(readiness.missing[0])) +
           u"が設定されていません。";
  }
  std::u16string text = u"保存できません。次の項目が設定されていません。\n";
  for (const RecordItem item : readiness.missing) {
    text += u"・" + std::u16string(itemName(item)) + u"\n";
  }
  return text + u"「設定」メニューで設定してから、もう一度保存してください。";
}

std::u16string japaneseText(platform::WriteFailure failure) {
  using platform::WriteFailure;
  switch (failure) {
    case WriteFailure::ReadOnly:
      return u"ファイルが読み取り専用です。";
    case WriteFailure::NoPermission:
      return u"このフォルダーには書き込めません。別のフォルダーを選んでください。";
    case WriteFailure::DiskFull:
      return u"ディスクの空き容量が足りません。";
    case WriteFailure::FolderMissing:
      return u"フォルダーが見つかりません。";
    case WriteFailure::PathTooLong:
      return u"パスが長すぎます。短いパスのフォルダーを選んでください。";
    case WriteFailure::None:
    case WriteFailure::Other:
      break;
  }
  return {};
}

std::u16string inPlaceSaveQuestion(std::u16string_view path) {
  return u"このフォルダーには新しいファイルを作れないため、ファイルに直接上書きします。\n" +
         std::u16string(path) +
         u"\n保存の途中でパソコンが止まると、ファイルが壊れることがあります。保存しますか？";
}

std::u16string writeFailedText(std::u16string_view path, platform::WriteFailure failure) {
  std::u16string text = u"ファイルを書き込めませんでした。\n" + std::u16string(path);
  const std::u16string cause = japaneseText(failure);
  if (!cause.empty()) text += u"\n" + cause;
  return text;
}

std::u16string japaneseText(const ContainerSave& save, std::u16string_view path) {
  switch (save.refusal) {
    case ContainerSave::Refusal::None:
      break;
    case ContainerSave::Refusal::TooLarge:
      return fillPattern(
          u"保存できません。\nコンテナファイルが%1バイトになります。保存できるのは%"
          u"2バイト未満です。\n"
          u"3Dモデルや画像を小さくしてください。",
          {grouped(save.fileSize), grouped(kContainerFileLimit)});
    case ContainerSave::Refusal::WriteFailed:
      return writeFailedText(path, save.cause);
  }
  return {};
}

}  // namespace qel::resources
