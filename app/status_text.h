#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "container/container_record.h"

namespace qel {

// The status view as plain text, for a terminal: one line per row of the window (empty
// rows included), each piece starting at the column of its position, where a wide
// character takes two columns.
std::vector<std::u16string> statusViewLines(const ContainerRecord& record,
                                            std::u16string_view containerPath);

}  // namespace qel
