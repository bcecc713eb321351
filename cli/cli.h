#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qel::cli {

// Runs qelcontainer-cli with args (without the program name); answers the exit code:
// 0 success, 1 input refused (one line on err), 2 usage error.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qel::cli
