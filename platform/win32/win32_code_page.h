#pragma once

#include <memory>

#include "platform/code_page.h"

namespace qel::platform {

// Conversion with MultiByteToWideChar from codePage; the system's own uses the ANSI code
// page (CP_ACP), which is 932 on the systems the model files are written on.
std::unique_ptr<CodePage> makeWin32CodePage(unsigned codePage);

}  // namespace qel::platform
