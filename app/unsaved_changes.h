#pragma once

#include "app/app_state.h"

namespace qel {

// What would lose the changes.
enum class ChangesAt { Close, Open };

// Asks before changes are lost: 保存 runs the save command and goes on only if it saved,
// 保存しない goes on, キャンセル stops. Answers whether to go on; without changes it asks
// nothing.
bool mayLoseChanges(AppState& app, platform::WindowHandle window, ChangesAt at);

}  // namespace qel
