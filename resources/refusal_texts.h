#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/path_parts.h"
#include "container/container_file.h"
#include "image/png_check.h"
#include "model/model_refusal.h"

namespace qel::resources {

// The Japanese texts of the core's refusals, as the desktop programs show them: what could
// not be done, why with its numbers, and what to do, each on a line of its own.

// Opening a container file: the box's whole text, with the path on a line of its own.
std::u16string japaneseText(const ContainerFileOpening& opening, std::u16string_view path);

// Setting a model: the box's whole text.
std::u16string japaneseText(const ModelRefusal& refusal);

// A path longer than a path buffer holds, on a line of its own after the text of what could
// not be done.
inline constexpr std::u16string_view kPathTooLongText =
    u"ファイルのパスが長すぎます。使用できるのは259文字までです。";
static_assert(kLongestPath == 259, "the text above names the longest path");

// Setting a model that the repair can mend: the refusal's reason, what the repair will do,
// and the question whether to repair.
std::u16string repairOfferText(const ModelRefusal& refusal);
inline constexpr std::array<std::u16string_view, 2> kRepairChoices = {u"修復して読み込む(&R)",
                                                                      u"キャンセル"};

// A model that, set as it is, keeps only four corners of its cutFaces faces of more: whether
// to repair it, set it as it is, or not set it.
std::u16string cutFacesOfferText(std::uint32_t cutFaces);
inline constexpr std::array<std::u16string_view, 3> kCutFacesChoices = {
    u"修復して読み込む(&R)", u"そのまま読み込む(&L)", u"キャンセル"};

// Storing a texture or side view: the reason, for the line after "このファイルは使用できません。".
std::u16string japaneseText(const ImageCheck& check);

// A save of an incomplete record: the box's whole text, every missing item named.
std::u16string japaneseText(const SaveReadiness& readiness);

// A refused or failed save (and export): the box's whole text.
std::u16string japaneseText(const ContainerSave& save, std::u16string_view path);

// Before a save that can only overwrite the file where it stands (its folder takes no new
// file): why that is a risk, and whether to go on.
std::u16string inPlaceSaveQuestion(std::u16string_view path);
inline constexpr std::array<std::u16string_view, 2> kInPlaceSaveChoices = {u"上書き保存する(&S)",
                                                                           u"キャンセル"};

// A failed write: the line that says why, empty when the system told nothing useful.
std::u16string japaneseText(platform::WriteFailure failure);

// "保存できませんでした。" with the path and the cause, for any failed write.
std::u16string writeFailedText(std::u16string_view path, platform::WriteFailure failure);

}  // namespace qel::resources
