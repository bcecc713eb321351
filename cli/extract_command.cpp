// qelcontainer-cli extract FILE [--texture PNG] [--sideview PNG] [--model BLOB]: writes the
// stored blocks out byte for byte.
#include <CLI/CLI.hpp>

#include <memory>

#include "cli/commands.h"
#include "cli/container_input.h"
#include "cli/refusal.h"
#include "cli/utf8_argument.h"
#include "container/whole_file.h"

namespace qel::cli {
namespace {

struct ExtractOptions {
  std::string file;
  std::string texture;
  std::string sideView;
  std::string model;
};

// The blocks are written from the record itself: a copy of a large model would double
// what the command holds.
struct Export {
  const std::string& target;
  const std::optional<Bytes>& block;
  const char* missing;
  std::u16string path = {};
};

int runExtract(const ExtractOptions& options, std::ostream& err) {
  if (options.texture.empty() && options.sideView.empty() && options.model.empty()) {
    err << "extract: name at least one of --texture, --sideview, --model\n";
    return kExitUsage;
  }
  auto loaded = openContainerInput(options.file, err);
  if (!loaded) return kExitRefused;
  const ContainerRecord& record = loaded->record;

  Export exports[] = {
      {options.texture, record.textureData, "holds no texture"},
      {options.sideView, record.sideViewData, "holds no side view"},
      {options.model, record.modelData, "holds no model"},
  };
  // Everything asked for must be there, and every target nameable, before anything is
  // written.
  for (Export& e : exports) {
    if (e.target.empty()) continue;
    if (!e.block) return refuse(err, options.file, e.missing);
    auto path = pathArgument(e.target, err);
    if (!path) return kExitRefused;
    e.path = std::move(*path);
  }
  for (const Export& e : exports) {
    if (e.target.empty()) continue;
    platform::WriteFailure why = platform::WriteReason::Other;
    if (!writeWholeFile(e.path, *e.block, &why)) return refuse(err, e.target, englishText(why));
  }
  return kExitSuccess;
}

}  // namespace

Command addExtractCommand(CLI::App& app) {
  auto options = std::make_shared<ExtractOptions>();
  CLI::App* extract = app.add_subcommand("extract", "Write the stored blocks out byte for byte");
  extract->add_option("FILE", options->file, "Container file (.cnt or .q5c)")->required();
  extract->add_option("--texture", options->texture, "Write the texture PNG here");
  extract->add_option("--sideview", options->sideView, "Write the side-view PNG here");
  extract->add_option("--model", options->model, "Write the model blob here");
  return {extract,
          [options](std::ostream&, std::ostream& err) { return runExtract(*options, err); },
          resetting(options)};
}

}  // namespace qel::cli
