#pragma once

#include <functional>
#include <ostream>

namespace CLI {
class App;
}

namespace qel::cli {

// Runs a chosen subcommand; answers the exit code.
using CommandAction = std::function<int(std::ostream& out, std::ostream& err)>;

// A subcommand of qelcontainer-cli: its parser (with the options bound to the action's
// own storage) and what runs when the parser was chosen.
struct Command {
  CLI::App* parser;
  CommandAction run;
};

// One file per subcommand; each adds itself to app.
Command addInfoCommand(CLI::App& app);
Command addExtractCommand(CLI::App& app);
Command addPackCommand(CLI::App& app);
Command addConvertCommand(CLI::App& app);
Command addRenderCommand(CLI::App& app);
Command addCheckCommand(CLI::App& app);
Command addExportCommand(CLI::App& app);

}  // namespace qel::cli
