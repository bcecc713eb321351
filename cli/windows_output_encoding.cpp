#include "cli/windows_output_encoding.h"

#include <windows.h>

#include "base/utf.h"

namespace qel::cli {
namespace {

std::optional<unsigned> codePageNamed(std::string_view name) {
  if (name == "utf-8") return CP_UTF8;
  if (name == "cp932") return 932u;
  if (name == "console") return 0u;
  return std::nullopt;
}

// Without a console of its own the tool writes what a new console would show.
unsigned consoleCodePage() {
  const UINT console = ::GetConsoleOutputCP();
  return console != 0 ? console : ::GetOEMCP();
}

std::string withCrlf(std::string_view text) {
  std::string lines;
  lines.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) lines += '\r';
    lines += text[i];
  }
  return lines;
}

}  // namespace

std::optional<OutputEncoding> takeOutputEncoding(std::vector<std::string>& args) {
  constexpr std::string_view kOption = "--encoding";
  OutputEncoding encoding;
  while (!args.empty() && args.front().starts_with(kOption)) {
    const std::string& first = args.front();
    std::string name;
    std::size_t taken = 1;
    if (first.size() > kOption.size() && first[kOption.size()] == '=') {
      name = first.substr(kOption.size() + 1);
    } else if (first.size() == kOption.size() && args.size() > 1) {
      name = args[1];
      taken = 2;
    } else if (first.size() != kOption.size()) {
      break;  // another option that begins alike
    }
    const auto codePage = codePageNamed(name);
    if (!codePage) return std::nullopt;
    encoding.codePage = *codePage;
    args.erase(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(taken));
  }
  return encoding;
}

std::string encodeOutput(const OutputEncoding& encoding, std::string_view utf8) {
  if (encoding.codePage == CP_UTF8 || utf8.empty()) return std::string(utf8);
  const UINT codePage = encoding.codePage != 0 ? encoding.codePage : consoleCodePage();
  const std::u16string text = fromUtf8(withCrlf(utf8));
  const std::wstring wide(text.begin(), text.end());
  const int units = static_cast<int>(wide.size());
  const int length =
      ::WideCharToMultiByte(codePage, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return withCrlf(utf8);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(codePage, 0, wide.data(), units, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace qel::cli
