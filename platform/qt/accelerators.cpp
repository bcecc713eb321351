#include "platform/qt/accelerators.h"

namespace qel::qt {
namespace {

// Virtual keys of letters and digits are their ASCII codes, as Qt's keys are; F1 to F24 follow.
std::optional<int> qtKeyOfVirtualKey(std::uint16_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return key;
  if (key >= 0x70 && key <= 0x87) return Qt::Key_F1 + (key - 0x70);
  return std::nullopt;
}

bool matchesCharacter(std::uint16_t character, int qtKey, bool shift) {
  if (character >= 'a' && character <= 'z') return qtKey == character - 'a' + 'A' && !shift;
  if (character >= 'A' && character <= 'Z') return qtKey == character && shift;
  return character >= 0x20 && character < 0x7F && qtKey == character;
}

}  // namespace

std::optional<int> matchAccelerator(std::span<const resources::Accelerator> table, int qtKey,
                                    Qt::KeyboardModifiers modifiers) {
  const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
  const bool shift = modifiers.testFlag(Qt::ShiftModifier);
  const bool alt = modifiers.testFlag(Qt::AltModifier);
  for (const resources::Accelerator& entry : table) {
    const bool wantsAlt = (entry.flags & resources::kAccelAlt) != 0;
    if ((entry.flags & resources::kAccelVirtualKey) != 0) {
      const std::optional<int> key = qtKeyOfVirtualKey(entry.key);
      if (key && *key == qtKey && ctrl == ((entry.flags & resources::kAccelControl) != 0) &&
          shift == ((entry.flags & resources::kAccelShift) != 0) && alt == wantsAlt) {
        return entry.command;
      }
    } else if (!ctrl && alt == wantsAlt && matchesCharacter(entry.key, qtKey, shift)) {
      return entry.command;
    }
  }
  return std::nullopt;
}

}  // namespace qel::qt
