#pragma once

#include <Qt>
#include <optional>
#include <span>

#include "resources/resource_types.h"

namespace qel::qt {

// The command of the first entry of table that a key press matches, as Windows matches them:
// a virtual-key entry by its key with exactly its Ctrl, Shift and Alt; a character entry by the
// character typed (whatever Shift it took), with Alt as the entry says and without Ctrl.
// qtKey is the key of the press (Qt gives punctuation its character, letters their capital).
std::optional<int> matchAccelerator(std::span<const resources::Accelerator> table, int qtKey,
                                    Qt::KeyboardModifiers modifiers);

}  // namespace qel::qt
