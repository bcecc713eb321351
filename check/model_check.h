#pragma once

#include <string_view>
#include <vector>

#include "base/diagnostic.h"

namespace qel {

// Every problem of the OBJ file at objPath with its material libraries and textures, read
// by the code that converts it: the errors that make the conversion refuse, all of them
// rather than the first, and warnings about what converts but is likely wrong. The TIM
// messages are among the warnings and are not shown otherwise. Each problem goes to sink
// as it is found; nothing is kept.
void checkObjFile(std::u16string_view objPath, const DiagnosticSink& sink);

// The same, gathered in a list.
std::vector<Diagnostic> checkObjFile(std::u16string_view objPath);

}  // namespace qel
