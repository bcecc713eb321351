#pragma once

#include <string_view>

#include "container/container_record.h"
#include "platform/ui.h"

namespace qel {

// The room the status lines take in the default font: the lowest starts at 320 pixels and
// the line pitch is 20.
inline constexpr int kStatusViewWidth = 800;
inline constexpr int kStatusViewHeight = 360;

// Draws the state of record as lines of text: the container path, the names, the
// description, the type, and a block each for model, texture and side view. Only reads.
void paintStatusView(const ContainerRecord& record, std::u16string_view containerPath,
                     platform::TextSink& sink);

}  // namespace qel
