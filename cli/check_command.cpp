// qelcontainer-cli check PATH... [--json] [--strict] [--quiet]: lists every problem of OBJ
// models and container files at once; folders are walked for them.
#include <CLI/CLI.hpp>

#include <map>
#include <memory>
#include <vector>

#include "base/path_parts.h"
#include "check/container_check.h"
#include "check/folder_walk.h"
#include "check/model_check.h"
#include "cli/check_report.h"
#include "cli/commands.h"
#include "cli/refusal.h"
#include "cli/utf8_argument.h"
#include "model/obj_reader.h"
#include "model/refusal_text.h"

namespace qel::cli {
namespace {

struct CheckOptions {
  std::vector<std::string> paths;
  bool json = false;
  bool strict = false;
  bool quiet = false;
  ModelUnit unit = ModelUnit::Millimetre;  // of the models in container files
};

// An OBJ model by its extension; anything else is read as a container file.
void checkFile(std::u16string_view path, ModelUnit unit, CheckReport& report) {
  report.beginFile(path);
  const auto add = [&report](const Diagnostic& d) { report.add(d); };
  if (isObjPath(path)) {
    checkObjFile(path, add);
  } else {
    for (const Diagnostic& d : checkContainerFile(path, unit)) add(d);
  }
  report.endFile();
}

bool isCheckedInFolder(std::u16string_view path) {
  const std::u16string_view extension = splitPath(path).extension;
  return isObjPath(path) || equalIgnoringCase(extension, u".cnt") ||
         equalIgnoringCase(extension, u".q5c");
}

// A folder is walked for the models and containers beneath it; an entry that cannot be
// checked is told on err too, and counts as an error.
void checkPath(std::u16string_view path, ModelUnit unit, CheckReport& report, std::ostream& err) {
  const auto unchecked = [&](const Diagnostic& problem) {
    err << displayPath(problem.file) << ": not checked: " << problem.message << "\n";
    report.beginFile(problem.file);
    report.add(problem);
    report.endFile();
  };
  const auto check = [&](std::u16string_view file) { checkFile(file, unit, report); };
  if (!walkFolder(path, isCheckedInFolder, check, unchecked)) checkFile(path, unit, report);
}

int runCheck(const CheckOptions& options, std::ostream& out, std::ostream& err) {
  std::vector<std::u16string> paths;
  for (const std::string& path : options.paths) {
    auto wide = pathArgument(path, err);
    if (!wide) return kExitRefused;
    paths.push_back(std::move(*wide));
  }
  CheckReport report(out, options.json ? CheckReport::Form::Json : CheckReport::Form::Text,
                     options.quiet);
  for (const std::u16string& path : paths) checkPath(path, options.unit, report, err);
  return report.finish(options.strict) ? kExitRefused : kExitSuccess;
}

}  // namespace

Command addCheckCommand(CLI::App& app) {
  auto options = std::make_shared<CheckOptions>();
  CLI::App* check = app.add_subcommand(
      "check",
      "List every problem of OBJ models (.obj) and container files (.cnt, .q5c); folders are "
      "walked for them");
  check->add_option("PATH", options->paths, "OBJ files, container files and folders")->required();
  check->add_flag("--json", options->json, "Print one JSON object: the problems and a summary");
  check->add_flag("--strict", options->strict, "Warnings count as errors for the exit code");
  check->add_flag("--quiet", options->quiet, "No line for a file without problems");
  std::map<std::string, ModelUnit> units;
  for (std::size_t unit = 0; unit < kModelUnitCodes.size(); ++unit) {
    units.emplace(kModelUnitCodes[unit], static_cast<ModelUnit>(unit));
  }
  check
      ->add_option("--unit", options->unit,
                   "What one unit of a container's model is, for comparing its length with the "
                   "part's: mm (default), cm, m or inch")
      ->transform(CLI::CheckedTransformer(units));
  return {check,
          [options](std::ostream& out, std::ostream& err) { return runCheck(*options, out, err); },
          resetting(options)};
}

}  // namespace qel::cli
