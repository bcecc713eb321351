#pragma once

namespace qel::cli {

// Runs the tool with the UTF-16 arguments of wmain. Its output goes to a console as UTF-16,
// so that every character shows whatever the console's code page, and to a file or pipe as
// the UTF-8 bytes the Linux build writes, or in the code page that --encoding names.
int runCliOnWindowsConsole(int argc, wchar_t** argv);

}  // namespace qel::cli
