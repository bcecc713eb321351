#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qel::cli {

// How the tool's output reaches a file or pipe on Windows: UTF-8 as the Linux build writes
// it, or in a code page for programs that read the ANSI or console one. A console always
// gets UTF-16.
struct OutputEncoding {
  unsigned codePage = 65001;  // CP_UTF8
};

// Takes the global option `--encoding utf-8|cp932|console` (also `--encoding=…`) from the
// front of args, before the command. Nothing when its value is none of these.
std::optional<OutputEncoding> takeOutputEncoding(std::vector<std::string>& args);

// utf8 in the encoding's code page; a character it lacks becomes the code page's default.
std::string encodeOutput(const OutputEncoding& encoding, std::string_view utf8);

}  // namespace qel::cli
