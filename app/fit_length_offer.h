#pragma once

#include <optional>

#include "app/app_state.h"
#include "base/bytes.h"

namespace qel {

// A new model (blob, as read) whose length misses the part's by more than the tolerance, at
// the author's unit: the author is asked whether to fit it, with the size it will have.
// Answers the scale to fit when the author says so; nothing when the model matches, the
// part has no length, no scale in bounds fits, or the author keeps it as it is.
std::optional<float> offerFitToLength(AppState& app, platform::WindowHandle window,
                                      const Bytes& blob);

}  // namespace qel
