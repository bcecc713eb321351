#pragma once

namespace qel {

// The command identifiers that the menu items and the accelerators send to the main
// window. Both reach the same command through the one dispatch table.
enum class MenuCommand : int {
  About = 104,
  Exit = 105,
  WorkshopSettings = 32775,
  NewContainer = 32776,
  OpenContainer = 32777,
  SaveContainer = 32778,
  SetModel = 32781,
  SetTexture = 32782,
  SaveTexture = 32786,
  SetContainerName = 32791,
  SetParameters = 32792,
  SetSideView = 32793,
  SaveSideView = 32794,
  GenerateSideView = 32796,
  Guide = 32797,
  CheckFiles = 32798,
  SetModelSize = 32799,
};

constexpr int commandId(MenuCommand command) {
  return static_cast<int>(command);
}

// The recent files listed at the end of the File menu send these, the newest the first;
// the range lies clear of the menu's own identifiers.
inline constexpr int kFirstRecentFileCommand = 32800;
inline constexpr int kRecentFileCount = 8;

}  // namespace qel
