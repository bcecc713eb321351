#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace qel {

enum class Severity { Warning, Error };

// One problem found in a file. Errors are what makes a command refuse the file; warnings
// are what it takes but is likely wrong.
struct Diagnostic {
  std::u16string file;
  std::uint32_t line = 0;  // counted from 1; 0 when the problem has no line of its own
  Severity severity = Severity::Error;
  std::string code;     // stable identifier of the kind of problem, such as "obj.no-such-normal"
  std::string message;  // one line of UTF-8
};

// Where a check hands each problem as it finds it, so that nothing is kept.
using DiagnosticSink = std::function<void(const Diagnostic&)>;

}  // namespace qel
