#pragma once

#include <cstdint>
#include "container/container_record.h"

#include "base/fixed_text.h"
#include "platform/ui.h"

namespace qel {

struct ParameterEntry {
  bool accepted = false;  // closed with OK
  std::uint32_t typeIndex = 0;
  FixedText<64> description;
  float lengthMm = 0.0f;
};

// Fills the type list, the length and the description from entry and, on OK, takes them
// back into it.
class ParameterDialogProcedure : public platform::DialogProcedure {
 public:
  explicit ParameterDialogProcedure(ParameterEntry& entry) : entry_(entry) {}
  bool onInitDialog(platform::DialogControls& dialog) override;
  bool onCommand(platform::DialogControls& dialog, int command) override;

 private:
  ParameterEntry& entry_;
};

// The whole millimetres of a length as the length field shows them: cut toward zero and
// taken modulo 2^32; a length that is not a number or infinite shows as 0.
std::uint32_t lengthFieldValue(float lengthMm);

// Shows the parameter dialog with values (its accepted flag is ignored); values take the
// entered type, length and description only when the dialog is confirmed. Answers whether
// it was.
bool runParameterDialog(platform::Ui& ui, platform::WindowHandle owner, ParameterEntry& values);

}  // namespace qel
