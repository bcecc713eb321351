#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/model_refusal.h"
#include "model/repair_notes.h"

namespace qel::resources {

// The Japanese texts of the shell's own questions, with the choices each offers, and of its
// notices.

inline constexpr std::u16string_view kCancelButton = u"キャンセル";

// New: whether to clear the part.
inline constexpr std::u16string_view kNewContainerQuestion = u"データを初期化しますか？";

// A recent file that is no longer there, taken off the list: the box's whole text.
std::u16string recentFileMissingText(std::u16string_view path);

// A PNG image dropped outside the pane's two pictures: which slot it goes into.
std::u16string droppedImageQuestion(std::u16string_view path);
inline constexpr std::array<std::u16string_view, 3> kDroppedImageChoices = {
    u"テクスチャー(&T)", u"サイドビュー(&V)", kCancelButton};

// What a watched source file was set as, in the reload offer.
enum class SourceKind { Model, Texture, SideView };
// Which of the files that a source was made of was written: the file set itself, or, for a
// model, one of its MTL files or textures.
enum class SourceFileRole { Source, MaterialLibrary, Texture };

// A file of a source of the part named containerName written again since it was set: whether
// to set the source again.
std::u16string reloadOfferText(std::u16string_view containerName, SourceKind kind,
                               SourceFileRole role, std::u16string_view path);
inline constexpr std::array<std::u16string_view, 3> kReloadChoices = {
    u"読み込み直す(&R)", u"今後は確認せずに読み込み直す(&A)", u"読み込み直さない(&N)"};

// The box of long work, while it runs.
inline constexpr std::u16string_view kConvertingModelText = u"3Dモデルを変換しています…";
inline constexpr std::u16string_view kRepairingModelText = u"3Dモデルを修復しています…";
inline constexpr std::u16string_view kSavingContainerText = u"コンテナファイルを保存しています…";

// Changes not saved yet, before the program closes or opens another file: whether to save.
std::u16string unsavedChangesQuestion(std::u16string_view containerName, bool closing);
inline constexpr std::array<std::u16string_view, 3> kUnsavedChangesChoices = {
    u"保存する(&S)", u"保存しない(&N)", kCancelButton};

// Setting a model that the repair can mend: the refusal's reason, what the repair will do,
// and the question whether to repair.
std::u16string repairOfferText(const ModelRefusal& refusal, const RepairNotes& notes);
inline constexpr std::array<std::u16string_view, 2> kRepairChoices = {u"修復して読み込む(&R)",
                                                                      kCancelButton};
// The same for a model whose materials name no texture: or with an image the author picks.
inline constexpr std::array<std::u16string_view, 3> kRepairOrPickImageChoices = {
    u"修復して読み込む(&R)", u"画像を選んで修復(&P)…", kCancelButton};

// A model that, set as it is, keeps only four corners of its cutFaces faces of more: whether
// to repair it, set it as it is, or not set it.
std::u16string cutFacesOfferText(std::uint32_t cutFaces);
inline constexpr std::array<std::u16string_view, 3> kCutFacesChoices = {
    u"修復して読み込む(&R)", u"そのまま読み込む(&L)", kCancelButton};

// Before a save that can only overwrite the file where it stands (its folder takes no new
// file): why that is a risk, and whether to go on.
std::u16string inPlaceSaveQuestion(std::u16string_view path);
inline constexpr std::array<std::u16string_view, 2> kInPlaceSaveChoices = {u"上書き保存する(&S)",
                                                                           kCancelButton};

// A save to a path longer than a path buffer holds: the box's whole text.
std::u16string savePathTooLongText();

// A command that ran out of memory, which changes nothing.
inline constexpr std::u16string_view kOutOfMemoryText =
    u"メモリが足りません。何も変更していません。";

// The guide: found but not shown by a browser (the path follows), or not found at all.
std::u16string guideNotShownText(std::u16string_view path);
inline constexpr std::u16string_view kGuideMissingText =
    u"使い方の文書が見つかりません。\nプログラムと一緒にインストールされた"
    u"「guide」フォルダーを確認してください。";

// A workshop name refused in the menu's dialog: prohibited, or empty (the dialog opens again).
inline constexpr std::u16string_view kWorkshopNameProhibitedText =
    u"入力した名前は使用が禁止されています。";
inline constexpr std::u16string_view kWorkshopNameEmptyText =
    u"入力が空です。工房名を設定してください。";
// A workshop name refused at the first start, for either reason.
inline constexpr std::u16string_view kWorkshopNameRefusedText = u"この名前は設定できません。";

}  // namespace qel::resources
