#pragma once

#include "app/app_state.h"

namespace qel {

// The author's loop: the files that the model, the texture and the side view of the open
// part were last set from are watched (Document::sources), and when one is written again (the
// modeller exported anew) the author is offered to set it again by the same road, or it is set
// again at once when the setting says so. Nothing is shown while the author works elsewhere or in a
// dialog of ours: the offer waits until the main window is active with nothing over it.

// How often the main window's timer looks at the files.
inline constexpr int kSourceWatchMilliseconds = 250;

// Where the setting "set again without asking" is kept; "1" turns it on.
inline constexpr std::u16string_view kReloadWithoutAskingValue = u"reloadWithoutAsking";

// On the timer: takes note of changed sources and offers them when the author is back.
void offerChangedSources(AppState& app, platform::WindowHandle window);

}  // namespace qel
