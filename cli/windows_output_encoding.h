#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qel::cli {

// How the tool's output reaches a file or pipe on Windows. By default in the console's code
// page with CRLF line ends, as the console's own tools (find, PowerShell) read it; UTF-8 writes
// the bytes the Linux build writes. A console always gets UTF-16.
struct OutputEncoding {
  unsigned codePage = 0;  // 0: the console's
};

// Takes the global option `--encoding utf-8|cp932|console` (also `--encoding=…`) from the
// front of args, before the command. Nothing when its value is none of these.
std::optional<OutputEncoding> takeOutputEncoding(std::vector<std::string>& args);

// utf8 in the encoding's code page with CRLF line ends, or as it is for UTF-8; a character
// the code page lacks becomes its default.
std::string encodeOutput(const OutputEncoding& encoding, std::string_view utf8);

}  // namespace qel::cli
