#include "cli/cli.h"

#include <CLI/CLI.hpp>

#include <new>

#include "app/application.h"
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

CommandLine::CommandLine()
    : app_(std::make_unique<CLI::App>(
          "Inspects and builds container files (.cnt, .q5c) of QELContainer.",
          "qelcontainer-cli")) {
  app_->require_subcommand(1);
  app_->set_version_flag("--version", std::string(versionLine()));
  // CLI11 reads /x as an option on Windows, which takes absolute paths from the Linux build's
  // users and scripts; subcommands inherit this as they are added.
  app_->allow_windows_style_options(false);
#ifdef _WIN32
  // Taken before the command by the Windows console code, which CLI11 never sees.
  app_->footer(
      "--encoding utf-8|cp932|console, before the command: how output into a pipe or file is "
      "written. By default in the console's code page with CRLF line ends (console); utf-8 "
      "writes the bytes the Linux build writes.");
#endif
  for (AddCommand add : kCommands) commands_.push_back(add(*app_));
}

CommandLine::~CommandLine() = default;

int CommandLine::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // Nothing of an earlier command line may remain: neither CLI11's results nor the values
  // bound to the options.
  app_->clear();
  for (const Command& command : commands_) command.reset();

  try {
    app_->parse(std::vector<std::string>(args.rbegin(), args.rend()));
  } catch (const CLI::ParseError& e) {
    const int code = app_->exit(e, out, err);
    return code == 0 ? kExitSuccess : kExitUsage;
  }

  try {
    for (const Command& command : commands_) {
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

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return CommandLine().run(args, out, err);
}

}  // namespace qel::cli
