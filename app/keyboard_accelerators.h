#pragma once

#include <optional>
#include <span>

#include "resources/resource_types.h"

namespace qel {

// One key press as a front end sees it: either a virtual key (the upper-case letter or
// digit of the key) or a typed character, with the modifiers held.
struct KeyStroke {
  char16_t key = 0;
  bool isCharacter = false;
  bool shift = false;
  bool control = false;
  bool alt = false;
};

// The command of the first entry of table that the stroke matches, or nothing. A virtual
// key entry needs exactly its Shift, Ctrl and Alt flags; a character entry needs its
// character, and Alt exactly as flagged (Shift is part of typing the character).
std::optional<int> translateAccelerator(std::span<const resources::Accelerator> table,
                                        const KeyStroke& stroke);

}  // namespace qel
