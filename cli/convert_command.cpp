// qelcontainer-cli convert: converts an OBJ model as the set-model command does and writes
// the model blob, and on request the texture that the container would take.
#include <CLI/CLI.hpp>

#include <memory>

#include "base/utf.h"
#include "cli/commands.h"
#include "cli/model_input.h"
#include "cli/refusal.h"
#include "cli/utf8_argument.h"
#include "container/whole_file.h"

namespace qel::cli {
namespace {

struct ConvertOptions {
  std::string model;
  std::string output;
  std::string textureOutput;
  ModelInputOptions input;
};

void printSummary(const ModelConversion& conversion, std::ostream& out) {
  out << "vertices " << conversion.vertexCount << ", indices " << conversion.indexCount
      << ", materials " << conversion.materialCount << ", atlas " << conversion.atlasWidth << " x "
      << conversion.atlasHeight << ", texture "
      << (conversion.texturePath.empty() ? "(colours only)" : toUtf8(conversion.texturePath));
  // The repair packs several images into one texture.
  if (const std::size_t packed = conversion.repairNotes.images.size(); packed > 1) {
    out << " and " << packed - 1 << (packed == 2 ? " more image" : " more images");
  }
  out << "\n";
}

int runConvert(const ConvertOptions& options, std::ostream& out, std::ostream& err) {
  const auto output = pathArgument(options.output, err);
  if (!output) return kExitRefused;
  std::optional<std::u16string> textureOutput;
  if (!options.textureOutput.empty()) {
    textureOutput = pathArgument(options.textureOutput, err);
    if (!textureOutput) return kExitRefused;
  }
  const auto conversion = convertModelInput(options.model, options.model, err, options.input);
  if (!conversion) return kExitRefused;
  platform::WriteFailure why = platform::WriteReason::Other;
  if (!writeWholeFile(*output, conversion->blob, &why)) {
    return refuse(err, options.output, englishText(why));
  }
  if (textureOutput && !writeWholeFile(*textureOutput, conversion->texture, &why)) {
    return refuse(err, options.textureOutput, englishText(why));
  }
  printSummary(*conversion, out);
  return kExitSuccess;
}

}  // namespace

Command addConvertCommand(CLI::App& app) {
  auto options = std::make_shared<ConvertOptions>();
  CLI::App* convert =
      app.add_subcommand("convert", "Convert a Wavefront OBJ model into a model blob");
  convert->add_option("model", options->model, "OBJ file, with its MTL file and PNG texture")
      ->required();
  convert->add_option("-o,--output", options->output, "Model blob file to write")->required();
  convert->add_option("--texture-out", options->textureOutput,
                      "Also write the texture that the container would take");
  addScaleOptions(*convert, options->input);
  convert->add_flag("--repair", options->input.repair,
                    "Mend textures of other formats and sizes, several images and colours");
  return {
      convert,
      [options](std::ostream& out, std::ostream& err) { return runConvert(*options, out, err); },
      resetting(options)};
}

}  // namespace qel::cli
