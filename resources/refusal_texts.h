#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "container/container_file.h"
#include "image/png_check.h"
#include "model/model_conversion.h"
#include "model/model_refusal.h"

namespace qel::resources {

// The Japanese texts of the core's refusals, as the desktop programs show them: what could
// not be done, why with its numbers, and what to do, each on a line of its own.

// Opening a container file: the box's whole text, with the path on a line of its own.
std::u16string japaneseText(const ContainerFileOpening& opening, std::u16string_view path);

// Setting a model: the box's whole text.
std::u16string japaneseText(const ModelRefusal& refusal);

// A path longer than a path buffer holds, after the text of what could not be done.
inline constexpr std::u16string_view kPathTooLongText = u"ファイルパスが259文字を超えています。";

// Setting a model that the repair can mend: the refusal's reason, what the repair will do,
// and the question whether to repair.
std::u16string repairOfferText(const ModelRefusal& refusal);

// Setting a model over capacity that the repair has simplified: the triangles before and
// after, the deviation as a share of the model's size, and whether to take it.
std::u16string simplifyOfferText(const ModelSimplification& simplification);

// A model that, set as it is, keeps only four corners of its cutFaces faces of more: whether
// to repair it, set it as it is, or not set it.
std::u16string cutFacesOfferText(std::uint32_t cutFaces);
inline constexpr std::array<std::u16string_view, 3> kCutFacesChoices = {
    u"修復して読み込む", u"そのまま読み込む", u"キャンセル"};

// Storing a texture or side view: the reason, for the line after "このファイルは使用できません。".
std::u16string japaneseText(const ImageCheck& check);

// A save of an incomplete record: the box's whole text, every missing item named.
std::u16string japaneseText(const SaveReadiness& readiness);

// A refused or failed save (and export): the box's whole text.
std::u16string japaneseText(const ContainerSave& save, std::u16string_view path);

// Before a save that can only overwrite the file where it stands (its folder takes no new
// file): why that is a risk, and whether to go on.
std::u16string inPlaceSaveQuestion(std::u16string_view path);

// A failed write: the line that says why, empty when the system told nothing useful.
std::u16string japaneseText(platform::WriteFailure failure);

// "ファイルを書き込めませんでした。" with the path and the cause, for any failed write.
std::u16string writeFailedText(std::u16string_view path, platform::WriteFailure failure);

}  // namespace qel::resources
