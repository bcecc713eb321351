#pragma once

#include <functional>
#include <memory>
#include <ostream>

namespace CLI {
class App;
}

namespace qel::cli {

// Runs a chosen subcommand; answers the exit code.
using CommandAction = std::function<int(std::ostream& out, std::ostream& err)>;

// A subcommand of qelcontainer-cli: its parser (with the options bound to the action's
// own storage), what runs when the parser was chosen, and what puts the storage back to
// its defaults before another command line is parsed.
struct Command {
  CLI::App* parser;
  CommandAction run;
  std::function<void()> reset;
};

// The reset of a command whose options live in one Options value.
template <typename Options>
std::function<void()> resetting(std::shared_ptr<Options> options) {
  return [options] { *options = Options(); };
}

// One file per subcommand; each adds itself to app.
Command addInfoCommand(CLI::App& app);
Command addExtractCommand(CLI::App& app);
Command addPackCommand(CLI::App& app);
Command addConvertCommand(CLI::App& app);
Command addRenderCommand(CLI::App& app);
Command addCheckCommand(CLI::App& app);
Command addExportCommand(CLI::App& app);

}  // namespace qel::cli
