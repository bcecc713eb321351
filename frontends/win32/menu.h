#pragma once

#include <windows.h>

namespace qel::win32 {

// The menu bar of menu resource id; nullptr when there is none.
HMENU createMenuBar(int id);
// Accelerator table id; nullptr when there is none.
HACCEL createAcceleratorTable(int id);

}  // namespace qel::win32
