// qelcontainer-cli check PATH... [--json] [--strict]: lists every problem of OBJ models and
// container files at once.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>
#include <vector>

#include "base/utf.h"
#include "check/container_check.h"
#include "cli/commands.h"
#include "cli/refusal.h"
#include "cli/utf8_argument.h"
#include "model/model_check.h"
#include "model/obj_reader.h"
#include "model/refusal_text.h"

namespace qel::cli {
namespace {

struct CheckOptions {
  std::vector<std::string> paths;
  bool json = false;
  bool strict = false;
};

const char* severityName(Severity severity) {
  return severity == Severity::Error ? "error" : "warning";
}

// An OBJ model by its extension; anything else is read as a container file.
std::vector<Diagnostic> checkFile(std::u16string_view path) {
  if (isObjPath(path)) return checkObjFile(path);
  return checkContainerFile(path);
}

// "FILE:LINE: SEVERITY: MESSAGE [CODE]", as compilers report.
void printLine(const Diagnostic& d, std::ostream& out) {
  out << displayPath(d.file);
  if (d.line > 0) out << ":" << d.line;
  out << ": " << severityName(d.severity) << ": " << d.message << " [" << d.code << "]\n";
}

nlohmann::ordered_json asJson(const Diagnostic& d) {
  return {{"file", toUtf8(d.file)},
          {"line", d.line > 0 ? nlohmann::ordered_json(d.line) : nlohmann::ordered_json(nullptr)},
          {"severity", severityName(d.severity)},
          {"code", d.code},
          {"message", d.message}};
}

int runCheck(const CheckOptions& options, std::ostream& out, std::ostream& err) {
  std::vector<std::u16string> paths;
  for (const std::string& path : options.paths) {
    auto wide = pathArgument(path, err);
    if (!wide) return kExitRefused;
    paths.push_back(std::move(*wide));
  }
  std::vector<Diagnostic> found;
  for (const std::u16string& path : paths) {
    std::vector<Diagnostic> problems = checkFile(path);
    found.insert(found.end(), std::make_move_iterator(problems.begin()),
                 std::make_move_iterator(problems.end()));
  }

  if (options.json) {
    auto list = nlohmann::ordered_json::array();
    for (const Diagnostic& d : found) list.push_back(asJson(d));
    out << list.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
  } else {
    for (const Diagnostic& d : found) printLine(d, out);
  }
  const bool failing = std::any_of(found.begin(), found.end(), [&](const Diagnostic& d) {
    return d.severity == Severity::Error || options.strict;
  });
  return failing ? kExitRefused : kExitSuccess;
}

}  // namespace

Command addCheckCommand(CLI::App& app) {
  auto options = std::make_shared<CheckOptions>();
  CLI::App* check = app.add_subcommand(
      "check", "List every problem of OBJ models (.obj) and container files (.cnt, .q5c)");
  check->add_option("PATH", options->paths, "OBJ files and container files")->required();
  check->add_flag("--json", options->json, "Print one JSON array of problems");
  check->add_flag("--strict", options->strict, "Warnings count as errors for the exit code");
  return {check,
          [options](std::ostream& out, std::ostream& err) { return runCheck(*options, out, err); },
          resetting(options)};
}

}  // namespace qel::cli
