#include "resources/model_size_texts.h"

#include "base/number_text.h"
#include "base/text_pattern.h"
#include "resources/preview_texts.h"

namespace qel::resources {

std::u16string modelSizeWillBeText(const ModelExtent& millimetres) {
  return fillPattern(u"設定後の大きさ：長さ %1 × 幅 %2 × 高さ %3 mm",
                     {threeFigures(millimetres.length), threeFigures(millimetres.width),
                      threeFigures(millimetres.height)});
}

std::u16string modelScaleOutOfRangeText() {
  return fillPattern(u"倍率には %1 から %2 までの数を入力してください。",
                     {decimalText(kMinModelScale), decimalText(kMaxModelScale)});
}

std::u16string fitLengthOfferText(double lengthMm, ModelUnit unit, double modelLengthMm,
                                  double scale, const ModelExtent& fittedMillimetres) {
  return fillPattern(
      u"全長は %1 mm ですが、モデルの長さは %2 mm です（1単位＝1 %3 として）。\n"
      u"%4 倍にすると、長さ %5 × 幅 %6 × 高さ %7 mm になります。\n"
      u"全長に合わせて拡大・縮小しますか？",
      {wholeNumberText(lengthMm), threeFigures(modelLengthMm),
       std::u16string(kPaneUnitNames[static_cast<std::size_t>(unit)]), decimalText(scale),
       threeFigures(fittedMillimetres.length), threeFigures(fittedMillimetres.width),
       threeFigures(fittedMillimetres.height)});
}

}  // namespace qel::resources
