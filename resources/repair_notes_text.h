#pragma once

#include <string>

#include "model/repair_notes.h"

namespace qel::resources {

// Why an image cannot be used, in a few words: 「破損」.
std::u16string_view japaneseText(ImageFault fault);

// For the repair's offer: the images it packs into the texture and those it leaves out,
// each told on a line of its own ending in a line break; empty when there is nothing to tell.
std::u16string repairNotesText(const RepairNotes& notes);

}  // namespace qel::resources
