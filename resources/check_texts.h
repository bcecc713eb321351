#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/diagnostic.h"

namespace qel::resources {

// The Japanese of a problem that a check finds, by its code; empty for a code it does not know.
std::u16string_view checkProblemText(std::string_view code);

// The box of a checked file: how many errors and warnings, the path on a line of its own, and
// each kind of problem once per file with its first lines and its count.
std::u16string checkReportText(std::u16string_view path, std::span<const Diagnostic> problems);

}  // namespace qel::resources
