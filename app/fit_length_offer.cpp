#include "app/fit_length_offer.h"

#include "model/model_scale.h"
#include "resources/captions.h"
#include "resources/model_size_texts.h"

namespace qel {

std::optional<float> offerFitToLength(AppState& app, platform::WindowHandle window,
                                      const Bytes& blob) {
  const double lengthMm = app.document.record().lengthMm;
  const std::optional<ModelExtent> extent = modelExtent(blob);
  if (!extent || !(lengthMm > 0.0)) return std::nullopt;
  if (lengthOffBy(extent->length, app.modelUnit, lengthMm) <= kLengthTolerance) {
    return std::nullopt;
  }
  const std::optional<double> scale = scaleToFit(*extent, app.modelUnit, lengthMm);
  if (!scale) return std::nullopt;
  const double mm = millimetresPer(app.modelUnit);
  const double fitted = *scale * mm;
  const std::u16string question = resources::fitLengthOfferText(
      lengthMm, app.modelUnit, extent->length * mm, *scale,
      {extent->length * fitted, extent->width * fitted, extent->height * fitted});
  if (app.ui.askChoice(window, question, resources::kModelCaption, resources::kFitLengthChoices) !=
      0) {
    return std::nullopt;
  }
  return static_cast<float>(*scale);
}

}  // namespace qel
