#include "app/keyboard_accelerators.h"

namespace qel {
namespace {

bool matches(const resources::Accelerator& entry, const KeyStroke& stroke) {
  const bool alt = (entry.flags & resources::kAccelAlt) != 0;
  if ((entry.flags & resources::kAccelVirtualKey) == 0) {
    return stroke.isCharacter && stroke.key == entry.key && stroke.alt == alt;
  }
  const bool shift = (entry.flags & resources::kAccelShift) != 0;
  const bool control = (entry.flags & resources::kAccelControl) != 0;
  return !stroke.isCharacter && stroke.key == entry.key && stroke.shift == shift &&
         stroke.control == control && stroke.alt == alt;
}

}  // namespace

std::optional<int> translateAccelerator(std::span<const resources::Accelerator> table,
                                        const KeyStroke& stroke) {
  for (const resources::Accelerator& entry : table) {
    if (matches(entry, stroke)) return entry.command;
  }
  return std::nullopt;
}

}  // namespace qel
