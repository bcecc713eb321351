#include "cli/windows_console.h"

#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/utf.h"
#include "cli/cli.h"
#include "cli/refusal.h"
#include "cli/windows_output_encoding.h"

namespace qel::cli {
namespace {

void writeOut(DWORD stream, const std::string& utf8, const OutputEncoding& encoding = {}) {
  const HANDLE handle = ::GetStdHandle(stream);
  if (utf8.empty() || handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  DWORD mode = 0;
  DWORD written = 0;
  if (::GetConsoleMode(handle, &mode)) {
    const std::u16string wide = fromUtf8(utf8);
    ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    const std::string bytes = encodeOutput(encoding, utf8);
    ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
}

}  // namespace

int runCliOnWindowsConsole(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  std::ostringstream out, err;
  for (int i = 1; i < argc; ++i) {
    const std::wstring_view arg = argv[i];
    const std::u16string wide(arg.begin(), arg.end());
    args.push_back(toUtf8(wide));
    // A lone surrogate would come back as U+FFFD and name another file or store other text.
    if (fromUtf8(args.back()) != wide) {
      err << "qelcontainer-cli: argument " << i << " is not valid UTF-16\n";
      writeOut(STD_ERROR_HANDLE, err.str());
      return kExitRefused;
    }
  }
  const auto encoding = takeOutputEncoding(args);
  if (!encoding) {
    writeOut(STD_ERROR_HANDLE, "qelcontainer-cli: --encoding takes utf-8, cp932 or console\n");
    return kExitUsage;
  }
  const int code = runCli(args, out, err);
  writeOut(STD_OUTPUT_HANDLE, out.str(), *encoding);
  writeOut(STD_ERROR_HANDLE, err.str(), *encoding);
  return code;
}

}  // namespace qel::cli
