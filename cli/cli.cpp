#include "cli/cli.h"

#include <CLI/CLI.hpp>

#include <new>

#include "cli/commands.h"
#include "cli/refusal.h"

namespace qel::cli {
namespace {

using AddCommand = Command (*)(CLI::App&);

// Every subcommand, in the order that the help lists them.
constexpr AddCommand kCommands[] = {addInfoCommand,    addExtractCommand, addPackCommand,
                                    addConvertCommand, addRenderCommand,  addCheckCommand,
                                    addExportCommand};

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CLI::App app{"Inspects and builds container files (.cnt, .q5c) of QELContainer.",
               "qelcontainer-cli"};
  app.require_subcommand(1);
  // CLI11 reads /x as an option on Windows, which takes absolute paths from the Linux build's
  // users and scripts; subcommands inherit this as they are added.
  app.allow_windows_style_options(false);
  std::vector<Command> commands;
  for (AddCommand add : kCommands) commands.push_back(add(app));

  try {
    app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e, out, err);
    return code == 0 ? kExitSuccess : kExitUsage;
  }

  try {
    for (const Command& command : commands) {
      if (command.parser->parsed()) return command.run(out, err);
    }
  } catch (const std::bad_alloc&) {
    err << "qelcontainer-cli: not enough memory\n";
    return kExitRefused;
  } catch (const std::exception& e) {
    err << "qelcontainer-cli: " << e.what() << "\n";
    return kExitRefused;
  }
  return kExitUsage;
}

}  // namespace qel::cli
