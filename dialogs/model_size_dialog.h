#pragma once

#include <optional>
#include <string_view>

#include "model/model_scale.h"
#include "platform/ui.h"

namespace qel {

// What the model's unit and scale dialog shows and takes.
struct ModelSizeEntry {
  bool accepted = false;  // closed with OK
  ModelUnit unit = ModelUnit::Millimetre;
  double scale = 1.0;
  // The model as read, before any scale, in its own units; nothing without a model.
  std::optional<ModelExtent> extent;
  double lengthMm = 0.0;  // the part's length; 0 for none
};

// The unit from its list, the scale typed or fitted to the part's length, and the size the
// model will have, kept up to date as they change. A scale beyond the bounds keeps the
// dialog open with the reason.
class ModelSizeDialogProcedure : public platform::DialogProcedure {
 public:
  explicit ModelSizeDialogProcedure(ModelSizeEntry& entry) : entry_(entry) {}
  bool onInitDialog(platform::DialogControls& dialog) override;
  bool onCommand(platform::DialogControls& dialog, int command) override;
  void onChange(platform::DialogControls& dialog, int control) override;

 private:
  ModelUnit chosenUnit(platform::DialogControls& dialog) const;
  std::optional<double> fittingScale(ModelUnit unit) const;
  void showSize(platform::DialogControls& dialog);

  ModelSizeEntry& entry_;
};

// A scale as typed: a decimal number (full-width digits taken) within the bounds of
// model_scale.h; nothing otherwise.
std::optional<double> parseScaleField(std::u16string_view text);

// Shows the dialog with values (its accepted flag is ignored); values take the chosen unit
// and scale only when the dialog is confirmed. Answers whether it was.
bool runModelSizeDialog(platform::Ui& ui, platform::WindowHandle owner, ModelSizeEntry& values);

}  // namespace qel
