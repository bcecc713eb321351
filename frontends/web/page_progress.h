#pragma once

#include <string_view>

#include "platform/ui.h"

namespace qel::web {

// Runs work in the page's own turn, which has no threads: once it has run for
// kProgressBoxDelay, the page shows a progress box and gets a turn of its own to paint it and
// take its キャンセル between the work's steps.
platform::WorkOutcome runWithPageProgress(std::u16string_view caption, std::u16string_view text,
                                          const platform::LongWork& work);

}  // namespace qel::web
