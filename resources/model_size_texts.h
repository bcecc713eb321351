#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/model_scale.h"

namespace qel::resources {

// The words of the model's unit and scale: the dialog of 「モデルの単位と大きさ」 and the
// offer to fit a newly set model to the part's length.

// Units the scale field takes: enough for every digit of a scale that fits.
inline constexpr int kModelScaleKept = 12;

// The dialog's size line: the model as it will be, in millimetres.
std::u16string modelSizeWillBeText(const ModelExtent& millimetres);
inline constexpr std::u16string_view kModelSizeNoModel =
    u"3Dモデルが設定されていません。1単位の長さだけを設定できます。";
std::u16string modelScaleOutOfRangeText();
inline constexpr std::u16string_view kModelSizeCannotFit =
    u"全長に合わせられません。全長が設定されていないか、必要な倍率が範囲を超えています。";

// A model set while the part has a length that the model's, at unit, misses: the model's
// length and the size it would have at scale, and the question whether to fit it.
std::u16string fitLengthOfferText(double lengthMm, ModelUnit unit, double modelLengthMm,
                                  double scale, const ModelExtent& fittedMillimetres);
inline constexpr std::array<std::u16string_view, 2> kFitLengthChoices = {u"全長に合わせる(&F)",
                                                                         u"そのまま設定する(&K)"};

}  // namespace qel::resources
