#include <iostream>

#include "cli/cli.h"

#ifdef _WIN32
#include "cli/windows_console.h"

// Arguments arrive as UTF-16, whatever the ANSI code page: converted to UTF-8 once here.
int wmain(int argc, wchar_t** argv) {
  return qel::cli::runCliOnWindowsConsole(argc, argv);
}
#else
int main(int argc, char** argv) {
  return qel::cli::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
