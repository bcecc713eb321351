#include "cli/model_input.h"

#include <cstdio>

#include "base/utf.h"
#include "cli/refusal.h"
#include "cli/utf8_argument.h"
#include "model/model_scale.h"
#include "model/refusal_text.h"
#include "repair/model_repair.h"

namespace qel::cli {
namespace {

// The desktop program shows these in message boxes; here each is one line of err.
class StreamMessageSink final : public InfoMessageSink {
 public:
  explicit StreamMessageSink(std::ostream& err) : err_(err) {}

  void showInfoMessage(std::u16string_view text) override {
    std::string line = toUtf8(text);
    for (char& c : line) {
      if (static_cast<unsigned char>(c) < 0x20) c = '?';
    }
    err_ << line << "\n";
  }

 private:
  std::ostream& err_;
};

// What the repair left out or found, each on a line of its own.
void tellRepairNotes(const RepairNotes& notes, const std::string& subject, std::ostream& err) {
  if (!notes.unreadableLibrary.empty()) {
    err << subject << ": warning: "
        << libraryFaultText(notes.libraryFault, displayPath(notes.unreadableLibrary))
        << ": its materials are drawn light grey\n";
  }
  for (const SkippedImage& image : notes.skipped) {
    err << subject << ": warning: the texture " << displayPath(image.path) << " "
        << englishText(image.fault) << ": its material is drawn in its colour (Kd)\n";
  }
  if (notes.imageFoundBeside && !notes.images.empty()) {
    err << subject << ": no material names a texture: took " << displayPath(notes.images.front())
        << ", named after the model\n";
  }
  if (const auto& simplified = notes.simplification) {
    char share[32];
    std::snprintf(share, sizeof share, "%.2g%%", simplified->error * 100.0);
    err << subject << ": simplified from " << simplified->trianglesBefore << " to "
        << simplified->trianglesAfter << " triangles, deviating by up to " << share
        << " of the model's size\n";
  }
}

// The factor that the options ask for; nothing after a refusal on err.
std::optional<float> scaleAskedFor(const ModelConversion& conversion,
                                   const ModelInputOptions& options, const std::string& subject,
                                   std::ostream& err) {
  if (options.scale > 0.0) return static_cast<float>(options.scale);
  const auto extent = modelExtent(conversion.blob);
  if (!extent || !(extent->length > 0.0)) {
    refuse(err, subject, "the model has no length to fit");
    return std::nullopt;
  }
  return static_cast<float>(options.fitLengthMm / extent->length);
}

}  // namespace

void addScaleOptions(CLI::App& command, ModelInputOptions& options) {
  CLI::Option* scale =
      command.add_option("--scale", options.scale, "Multiply the model's positions by F")
          ->option_text("F")
          ->check(CLI::PositiveNumber);
  command.add_option("--fit-length", options.fitLengthMm, "Scale the model to be MM long")
      ->option_text("MM")
      ->check(CLI::PositiveNumber)
      ->excludes(scale);
}

std::optional<ModelConversion> convertModelInput(const std::string& path,
                                                 const std::string& subject, std::ostream& err,
                                                 const ModelInputOptions& options) {
  const auto wide = pathArgument(path, err);
  if (!wide) return std::nullopt;
  StreamMessageSink messages(err);
  ModelConversion conversion = options.repair ? convertObjModelWithRepair(*wide, messages)
                                              : convertObjModel(*wide, messages);
  if (failed(conversion.result)) {
    refuse(err, subject, conversion.refusal.english);
    return std::nullopt;
  }
  if (options.repair) tellRepairNotes(conversion.repairNotes, subject, err);
  if (options.scale > 0.0 || options.fitLengthMm > 0.0) {
    const auto scale = scaleAskedFor(conversion, options, subject, err);
    if (!scale) return std::nullopt;
    scaleModelBlob(conversion.blob, *scale);
  }
  if (conversion.cutFaces > 0) {
    const bool one = conversion.cutFaces == 1;
    err << subject << ": warning: " << conversion.cutFaces
        << (one ? " face of more than four corners keeps its"
                : " faces of more than four corners keep their")
        << " first four (--repair takes every corner)\n";
  }
  return conversion;
}

}  // namespace qel::cli
