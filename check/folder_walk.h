#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "base/diagnostic.h"

namespace qel {

// Folders deeper than this below the folder walked are not entered, and said so.
inline constexpr std::size_t kDeepestWalk = 256;

// Walks the folder at path depth first, each folder's entries in name order, and hands
// onFile each file that wanted takes. One folder is open at a time and memory grows with
// the depth, not its square. What cannot be taken is handed to onProblem, and the walk goes
// on: a folder that cannot be read, a name the system does not hold in its encoding, a folder
// too deep. false, with nothing handed on, when path itself is no folder that can be read.
bool walkFolder(std::u16string_view path, const std::function<bool(std::u16string_view)>& wanted,
                const std::function<void(std::u16string_view)>& onFile,
                const DiagnosticSink& onProblem);

}  // namespace qel
