#include "resources/refusal_texts.h"

#include "base/path_parts.h"
#include "base/text_pattern.h"
#include "base/utf.h"
#include "container/container_format.h"
#include "model/line_pieces.h"
#include "model/obj_reader.h"
#include "model/repair_reading.h"
#include "resources/repair_notes_text.h"
#include "resources/text_parts.h"

namespace qel::resources {
namespace {

constexpr std::u16string_view kSeeCheck =
    u"「ファイル」メニューの「ファイルを確認」で、OBJファイルの問題をすべて確認できます。";

// Names in the files are read in the Windows Japanese code page: UTF-8 only keeps ASCII ones.
constexpr std::u16string_view kSaveAsAnsi =
    u"メモ帳などで文字コードを「ANSI」にして保存し直してください。"
    u"名前が半角英数字だけなら「UTF-8」でもかまいません。";

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
          u"MTLファイル「%1」がUTF-16（Unicode）で保存されているため、読み込めません。\n%2",
          {name, std::u16string(kSaveAsAnsi)});
    case LibraryFault::NotRead:
      break;
  }
  return fillPattern(
      u"OBJファイルで指定されているMTLファイル「%1」が見つかりません。\n"
      u"MTLファイルがOBJファイルと同じフォルダーにあるか確認してください。",
      {name});
}

// The reason and the advice of each error code of the model import. In the texts %1 stands
// for the file the refusal is about, %2 for the line, %3 for the longest path, %4 for the
// largest picture, %5 for the texture's size, %6 for what the texture is instead of a PNG,
// %7 for the full list, %8 for how many it would hold and %9 for how many it takes.
struct ModelCodeText {
  std::string_view code;
  std::u16string_view text;
  std::u16string_view advice;
};

constexpr std::u16string_view kTooMany =
    u"%7が%8個あります。設定できるのは%9個までです。\n"
    u"モデルを簡略化してから、もう一度設定してください。";
constexpr std::u16string_view kPathTooLong =
    u"ファイルのパスが長すぎます。使用できるのは%3文字までです。\n"
    u"短いパスのフォルダーに移してください。";
constexpr std::u16string_view kNoSuchVertex =
    u"%2行目の面が、ファイルにない頂点の番号を指しています。\n";

constexpr ModelCodeText kModelCodeTexts[] = {
    {"mtl.capacity", kTooMany, {}},
    {"model.no-texture-material",
     u"テクスチャーが指定されたマテリアルがありません。\n"
     u"MTLファイルでマテリアルにテクスチャー（map_Kd）を指定してください。",
     {}},
    {"model.texture-not-png",
     u"テクスチャー「%1」は%6。テクスチャーにはPNG形式の画像しか使用できません。\n"
     u"PNG形式で保存し直してください。",
     {}},
    {"model.texture-unreadable",
     u"テクスチャーファイル「%1」が見つかりません。\n"
     u"MTLファイルで指定された場所に画像があるか確認してください。",
     {}},
    {"model.texture-too-large",
     u"テクスチャー「%1」の大きさが%5です。使用できるのは%4までです。\n"
     u"画像を縮小してから、もう一度設定してください。",
     {}},
    {"model.texture-path-too-long", kPathTooLong, {}},
    {"path.too-long", kPathTooLong, {}},
    {"model.no-face",
     u"このモデルには面がありません。\n面（f行）のあるOBJファイルを選んでください。",
     {}},
    {"repair.decoding-bound",
     u"テクスチャーの画像が合わせて大きすぎるため、修復できません。\n"
     u"画像を縮小するか、数を減らしてから、もう一度設定してください。",
     {}},
    {"repair.atlas-full",
     u"マテリアルが多すぎて、%4のテクスチャーに収まりません。\n"
     u"マテリアルの数を減らしてから、もう一度設定してください。",
     {}},
    {"obj.unreadable", u"OBJファイルを読み込めません。", {}},
    {"obj.utf16", u"OBJファイルがUTF-16（Unicode）で保存されているため、読み込めません。\n",
     kSaveAsAnsi},
    {"obj.no-such-position", kNoSuchVertex, kSeeCheck},
    {"obj.no-such-normal", kNoSuchVertex, kSeeCheck},
    {"obj.no-such-texcoord", kNoSuchVertex, kSeeCheck},
    {"obj.corner-without-position", kNoSuchVertex, kSeeCheck},
};

// The reason and the advice of a model refusal, after the box's first line.
std::u16string modelReason(const ModelRefusal& r) {
  if (r.code == "model.no-texture-material" && !r.unreadableLibrary.empty()) {
    return libraryReason(r);
  }
  if (r.code == "model.texture-unreadable" && r.facts.subject.empty()) {
    return u"マテリアルのテクスチャー（map_Kd）にファイル名が書かれていません。\n"
           u"MTLファイルでテクスチャーの画像のファイル名を指定してください。";
  }
  if (r.code == "obj.face-too-large") {
    return fillPattern(
        u"%1行目の面の頂点が多すぎます。\n修復で読み込めるのは、頂点が%2個までの面です。",
        {plain(r.line), plain(kMostFaceCorners)});
  }
  if (r.code == "obj.capacity") return capacityText(r.facts);
  if (r.code == "repair.too-large") {
    return countsText(r.facts, kRepairTriangleBound, u"修復で読み込めるのは") +
           std::u16string(kReduceTriangles);
  }
  if (r.code == "repair.not-simplified") {
    return fillPattern(u"三角形が%1個あり、%2個まで減らせませんでした。",
                       {grouped(r.facts.count), grouped(r.facts.limit)}) +
           std::u16string(kReduceTriangles);
  }
  const RefusalFacts& facts = r.facts;
  for (const ModelCodeText& entry : kModelCodeTexts) {
    if (entry.code != r.code) continue;
    const std::u16string format = fromUtf8(facts.format);
    return fillPattern(
               entry.text,
               {fileName(facts.subject), plain(r.line), plain(kLongestPath), largestImage(),
                imageSize(facts.image.size),
                format.empty() ? u"PNG形式の画像ではありません" : format + u"形式です",
                std::u16string(listName(facts.list)), grouped(facts.count), grouped(facts.limit)}) +
           std::u16string(entry.advice);
  }
  return fillPattern(r.line > 0 ? u"ファイル「%1」の%2行目を読み込めません。\n"
                                : u"ファイル「%1」を読み込めません。\n",
                     {fileName(r.file), plain(r.line)}) +
         std::u16string(kSeeCheck);
}

}  // namespace

std::u16string japaneseText(const ContainerFileOpening& opening, std::u16string_view path) {
  std::u16string reason;
  switch (opening.refusal) {
    case ContainerFileRefusal::None:
      return {};
    case ContainerFileRefusal::Unreadable:
      reason = u"ファイルを読み込めません（見つからないか、空か、読み取りが許可されていません）。";
      break;
    case ContainerFileRefusal::TooLarge:
      reason =
          fillPattern(u"ファイルの大きさが%1バイトです。開けるのは%2バイト未満のファイルです。",
                      {grouped(opening.fileSize), grouped(kContainerFileLimit)});
      break;
    case ContainerFileRefusal::NotAContainer:
      reason = u"コンテナファイルではありません。";
      break;
    case ContainerFileRefusal::Damaged:
      reason = u"コンテナファイルが破損しています（途中で切れているか、終わりの印がありません）。";
      break;
  }
  return openRefusedText(path, reason);
}

std::u16string openRefusedText(std::u16string_view path, std::u16string_view reason) {
  return u"このファイルは開けません。\n" + std::u16string(path) + u"\n" + std::u16string(reason);
}

std::u16string pathTooLongText() {
  return fillPattern(u"ファイルのパスが長すぎます。使用できるのは%1文字までです。",
                     {plain(kLongestPath)});
}

std::u16string japaneseText(const ModelRefusal& refusal) {
  return u"このモデルは設定できません。\n" + modelReason(refusal);
}

std::u16string modelReasonLine(const ModelRefusal& refusal) {
  const std::u16string reason = modelReason(refusal);
  return reason.substr(0, reason.find(u'\n'));
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
      return fillPattern(
          u"画像の大きさが%1です。使用できるのは%2までです。\n"
          u"画像を縮小してから、もう一度設定してください。",
          {imageSize(check.size), largestImage()});
  }
  return {};
}

std::u16string imageConversionOfferText(const ImageCheck& check) {
  return u"このファイルはそのままでは使用できません。\n" + japaneseText(check) +
         fillPattern(u"\n画像をPNG形式の%1以内に変換して設定します。", {largestImage()}) +
         u"元のファイルは変更されません。\n変換して設定しますか？";
}

std::u16string imageConversionFailedText(ImageFault fault) {
  return u"このファイルは使用できません。\n画像を変換できません（" +
         std::u16string(japaneseText(fault)) + u"）。";
}

std::u16string imageRefusedText(const ImageCheck& check) {
  return u"このファイルは使用できません。\n" + japaneseText(check);
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
  // The workshop name is set in the File menu, every other item in the Settings menu.
  const bool maker = readiness.missing[0] == RecordItem::MakerName;
  const bool others = readiness.missing.size() > (maker ? 1u : 0u);
  std::u16string_view where = u"「設定」メニューで";
  if (maker) {
    where = others
                ? u"工房名は「ファイル」メニューの「工房の設定」で、ほかの項目は「設定」メニューで"
                : u"「ファイル」メニューの「工房の設定」で";
  }
  const std::u16string advice = std::u16string(where) + u"設定してから、もう一度保存してください。";
  // One missing item keeps the program's long-standing first line.
  if (readiness.missing.size() == 1) {
    return u"保存できません。" + std::u16string(itemName(readiness.missing[0])) +
           u"が設定されていません。\n" + advice;
  }
  std::u16string text = u"保存できません。次の項目が設定されていません。\n";
  for (const RecordItem item : readiness.missing) {
    text += u"・" + std::u16string(itemName(item)) + u"\n";
  }
  return text + advice;
}

std::u16string japaneseText(platform::WriteFailure failure) {
  using platform::WriteReason;
  switch (failure.reason) {
    case WriteReason::ReadOnly:
      return u"ファイルが読み取り専用です。";
    case WriteReason::NoPermission:
      return u"このファイルまたはフォルダーへの書き込みが許可されていません。"
             u"別のフォルダーを選んでください。";
    case WriteReason::DiskFull:
      return u"ディスクの空き容量が足りません。";
    case WriteReason::FolderMissing:
      return u"フォルダーが見つかりません。";
    case WriteReason::PathTooLong:
      return pathTooLongText() + u"\n短いパスのフォルダーを選んでください。";
    case WriteReason::HeldByOther:
      return u"ほかのプログラムがこのファイルを使用しています。"
             u"そのプログラムでファイルを閉じてから、もう一度保存してください。";
    case WriteReason::None:
    case WriteReason::Other:
      break;
  }
  if (failure.systemError == 0) return {};
  return fillPattern(u"システムのエラーです（%1、エラー番号 %2）。",
                     {fromUtf8(failure.call), plain(failure.systemError)});
}

std::u16string writeFailedText(std::u16string_view path, platform::WriteFailure failure) {
  std::u16string text = u"保存できませんでした。\n" + std::u16string(path);
  const std::u16string cause = japaneseText(failure);
  if (!cause.empty()) text += u"\n" + cause;
  return text;
}

std::u16string japaneseText(const ContainerSave& save, std::u16string_view path) {
  switch (save.refusal) {
    case ContainerSave::Refusal::None:
    case ContainerSave::Refusal::Cancelled:  // the author knows
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
