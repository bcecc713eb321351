#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace qel::cli {

struct Command;

// The parser of qelcontainer-cli with every subcommand, built once and able to run many
// command lines one after another, each as if it were the only one: building the parser
// costs more than most runs.
class CommandLine {
 public:
  CommandLine();
  ~CommandLine();
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;

  // Runs args (without the program name); answers the exit code: 0 success, 1 input
  // refused (one line on err), 2 usage error.
  int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

 private:
  std::unique_ptr<CLI::App> app_;
  std::vector<Command> commands_;
};

// Runs qelcontainer-cli once with args; as CommandLine().run(args, out, err).
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qel::cli
