#include "cli/cli.h"

namespace qel::cli {

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help") {
    out << "qelcontainer-cli: inspects, converts and builds container files\n";
    return 0;
  }
  err << "qelcontainer-cli: unknown command " << args[0] << "\n";
  return 2;
}

}  // namespace qel::cli
