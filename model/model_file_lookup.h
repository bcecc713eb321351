#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/bytes.h"
#include "platform/file_system.h"

namespace qel {

// Files named inside OBJ and MTL files were often named on Windows, where case does not
// matter. A name that is not found as written is looked for in its folder without
// regard to case, so Tex.png finds tex.PNG on a case-sensitive file system too. Where
// several entries match, the one first in code-unit order is taken.

// The folder entry at path under another case, or nothing when there is none.
std::optional<std::u16string> findIgnoringCase(std::u16string_view path);

std::unique_ptr<platform::FileReader> openModelFile(std::u16string_view path);

// The whole file, as readWholeFile gives it.
std::optional<Bytes> readModelFile(std::u16string_view path);

}  // namespace qel
