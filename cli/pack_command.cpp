// qelcontainer-cli pack: builds a record from files and options and saves it as the
// desktop program would.
#include <CLI/CLI.hpp>

#include <charconv>
#include <chrono>
#include <cmath>
#include <csignal>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

#include "base/utf.h"
#include "cli/commands.h"
#include "cli/container_input.h"
#include "cli/model_input.h"
#include "cli/refusal.h"
#include "cli/utf8_argument.h"
#include "container/container_file.h"
#include "container/container_format.h"
#include "dialogs/container_name_dialog.h"
#include "dialogs/container_type_table.h"
#include "dialogs/parameter_dialog.h"
#include "dialogs/unsigned_field.h"
#include "dialogs/workshop_name_check.h"
#include "dialogs/workshop_name_dialog.h"
#include "image/image_slots.h"
#include "image/png_check.h"
#include "model/model_blob.h"
#include "model/store_model.h"
#include "platform/file_change_watch.h"
#include "platform/os.h"
#include "repair/fitting_png.h"

namespace qel::cli {
namespace {

struct PackOptions {
  std::string output;
  std::string name;
  std::string maker;
  std::string type = "0";
  std::string length = "0";
  std::string description;
  std::string created;  // checked by decimalCheck
  std::string seed;
  std::string model;
  std::string texture;
  std::string obj;             // instead of model and texture
  ModelInputOptions objInput;  // its repair also converts texture and side view
  std::string sideView;
  bool watch = false;  // pack again whenever an input changes, until interrupted
  bool createdGiven = false;
  bool seedGiven = false;
};

// The text of option in UTF-16, or nothing after a refusal on err: text that is not UTF-8,
// or longer than units.
std::optional<std::u16string> textOption(const char* option, const std::string& text,
                                         std::size_t units, std::ostream& err) {
  auto wide = fromUtf8Argument(text);
  if (!wide) {
    refuse(err, option, "the text is not UTF-8");
  } else if (wide->size() > units) {
    refuse(err, option,
           std::to_string(wide->size()) + " UTF-16 units; at most " + std::to_string(units));
    wide.reset();
  }
  return wide;
}

// An offered type by its index or its name.
std::optional<std::uint32_t> offeredType(const std::string& text) {
  for (std::uint32_t index : kOfferedContainerTypes) {
    if (text == std::to_string(index) || text == toUtf8(kContainerTypeTable[index])) {
      return index;
    }
  }
  return std::nullopt;
}

// Full-width digits, as an input method gives them, count as their ASCII forms.
std::optional<float> lengthInRange(const std::string& typed) {
  const std::string text = toUtf8(asciiForms(fromUtf8(typed)));
  float value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!(value >= 0.0f && value <= static_cast<float>(kMaxLengthMm))) return std::nullopt;
  return value;
}

// A number in decimal digits only, from low to high: CLI11 alone would read "0x10" as 16
// and "010" as 8, and keep the nearest limit for a number out of range.
template <typename Number>
std::optional<Number> decimalIn(std::string_view text, Number low, Number high) {
  Number value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

template <typename Number>
CLI::Validator decimalCheck(Number low, Number high) {
  return CLI::Validator(
      [low, high](std::string& text) {
        return decimalIn(text, low, high) ? std::string()
                                          : "not a decimal number from " + std::to_string(low) +
                                                " to " + std::to_string(high);
      },
      "DECIMAL");
}

constexpr std::uint32_t kLargestSeed = 0xFFFFFF;
constexpr std::int64_t kEarliest = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kLatest = std::numeric_limits<std::int64_t>::max();

// Reads a PNG and stores it with store; answers the exit code. The header comes first: a
// file is read whole only when it can be stored.
// An image that is no PNG or too large, converted by the repair into a PNG that fits.
std::optional<Bytes> convertedImage(const std::string& path, const ImageCheck& check,
                                    std::ostream& err) {
  const auto bytes = readInputFile(path, err, kContainerFileLimit);
  if (!bytes) return std::nullopt;
  FittingPng converted = convertToFittingPng(*bytes);
  if (!converted.png) {
    refuse(err, path,
           std::string(englishText(check)) + "; the repair cannot convert it: it " +
               std::string(englishText(converted.fault)));
    return std::nullopt;
  }
  return std::move(converted.png);
}

int loadImage(const std::string& path, ContainerRecord& record,
              ImageCheck (*store)(ContainerRecord&, std::span<const std::uint8_t>), bool repair,
              std::ostream& err) {
  const auto head = readInputHead(path, kPngHeaderSize, err);
  if (!head) return kExitRefused;
  std::optional<Bytes> bytes;
  if (const ImageCheck check = checkContainerImage(*head); !check.ok()) {
    if (!repair || check.problem == ImageProblem::Unreadable) {
      return refuse(err, path, englishText(check));
    }
    bytes = convertedImage(path, check, err);
  } else {
    bytes = readInputFile(path, err, kContainerFileLimit);
  }
  if (!bytes) return kExitRefused;
  if (const ImageCheck check = store(record, *bytes); !check.ok()) {
    return refuse(err, path, englishText(check));
  }
  return kExitSuccess;
}

int loadModel(const std::string& path, ContainerRecord& record, std::ostream& err) {
  auto bytes = readInputFile(path, err, kContainerFileLimit);
  if (!bytes) return kExitRefused;
  if (failed(adoptModel(record, std::move(*bytes)))) {
    return refuse(err, path,
                  "not a model blob (a " + std::to_string(kModelBlobHeaderSize) +
                      "-byte head beginning with the word " + std::to_string(kModelBlobSignature) +
                      ")");
  }
  return kExitSuccess;
}

// The texts and parameters; answers the exit code.
int fillFields(const PackOptions& options, ContainerRecord& record, std::ostream& err) {
  const auto maker = textOption("--maker", options.maker, kWorkshopNameKept, err);
  if (!maker) return kExitRefused;
  const auto name = textOption("--name", options.name, kContainerNameKept, err);
  if (!name) return kExitRefused;
  const auto description = textOption("--description", options.description, kDescriptionKept, err);
  if (!description) return kExitRefused;
  switch (checkWorkshopName(*maker)) {
    case WorkshopNameCheck::Empty:
      return refuse(err, "--maker", "the workshop name is empty");
    case WorkshopNameCheck::Prohibited:
      return refuse(err, "--maker", options.maker + " is a prohibited workshop name");
    case WorkshopNameCheck::Ok:
      break;
  }
  const auto type = offeredType(options.type);
  if (!type) {
    return refuse(err, "--type",
                  options.type + " is not an offered type (0 to 5, 9 to 12, or its name)");
  }
  const auto length = lengthInRange(options.length);
  if (!length) {
    return refuse(err, "--length",
                  options.length + " is not a number from 0 to " + std::to_string(kMaxLengthMm));
  }

  applyWorkshopName(record, *maker);
  record.containerName.assign(*name);
  record.description.assign(*description);
  record.typeIndex = *type;
  record.lengthMm = *length;
  return kExitSuccess;
}

// Model and texture together from an OBJ file, as the set-model command sets them; the
// material libraries and textures it read are added to inputs.
int convertModel(const std::string& path, const ModelInputOptions& options, ContainerRecord& record,
                 std::vector<std::u16string>& inputs, std::ostream& err) {
  const auto conversion = convertModelInput(path, "--obj", err, options);
  if (!conversion) return kExitRefused;
  // Both checks pass for what a conversion gives.
  storeModel(record, conversion->blob);
  storeTexture(record, conversion->texture);
  for (const auto* files : {&conversion->materialLibraries, &conversion->textureFiles}) {
    inputs.insert(inputs.end(), files->begin(), files->end());
  }
  return kExitSuccess;
}

// The model and the texture, from --obj or from --model and --texture.
int loadModelAndTexture(const PackOptions& options, ContainerRecord& record,
                        std::vector<std::u16string>& inputs, std::ostream& err) {
  if (!options.obj.empty()) return convertModel(options.obj, options.objInput, record, inputs, err);
  // The model file's buffer becomes the record's block and each input is dropped once stored,
  // so that a large model is held once.
  if (int code = loadModel(options.model, record, err)) return code;
  return loadImage(options.texture, record, storeTexture, options.objInput.repair, err);
}

// The files a pack reads, as the file system takes them.
std::vector<std::u16string> inputsOf(const PackOptions& options) {
  std::vector<std::u16string> inputs;
  for (const std::string* input :
       {&options.obj, &options.model, &options.texture, &options.sideView}) {
    if (input->empty()) continue;
    if (auto path = fromUtf8Argument(*input)) inputs.push_back(std::move(*path));
  }
  return inputs;
}

// The input that is the very file output names, by its identity: another spelling of its
// path, a hard link or a symbolic link of it is found too.
std::optional<std::u16string> inputAt(std::u16string_view output,
                                      const std::vector<std::u16string>& inputs) {
  platform::FileSystem& files = platform::fileSystem();
  const auto written = files.identify(output);
  if (!written) return std::nullopt;
  for (const std::u16string& input : inputs) {
    if (files.identify(input) == written) return input;
  }
  return std::nullopt;
}

int refuseInputAsOutput(const PackOptions& options, const std::u16string& input,
                        std::ostream& err) {
  return refuse(err, options.output, "is the input file " + toUtf8(input) + "; not overwritten");
}

int runPack(const PackOptions& options, std::ostream& err) {
  if (options.obj.empty() && (options.model.empty() || options.texture.empty())) {
    err << "pack: --model and --texture, or --obj, are required\n";
    return kExitUsage;
  }
  const auto output = pathArgument(options.output, err);
  if (!output) return kExitRefused;
  std::vector<std::u16string> inputs = inputsOf(options);
  // Before anything is read, and again for the files a conversion found.
  if (const auto input = inputAt(*output, inputs)) return refuseInputAsOutput(options, *input, err);
  ContainerRecord record;
  if (int code = fillFields(options, record, err)) return code;
  if (int code = loadModelAndTexture(options, record, inputs, err)) return code;
  if (const auto input = inputAt(*output, inputs)) return refuseInputAsOutput(options, *input, err);
  if (int code = loadImage(options.sideView, record, storeSideView, options.objInput.repair, err)) {
    return code;
  }
  if (const SaveReadiness readiness = checkSaveReady(record); !readiness.ready()) {
    return refuse(err, options.output, englishText(readiness));
  }

  auto& clock = platform::clock();
  const std::uint32_t tick =
      options.seedGiven ? *decimalIn(options.seed, 0u, kLargestSeed) : clock.tickMilliseconds();
  const std::int64_t now = options.createdGiven ? *decimalIn(options.created, kEarliest, kLatest)
                                                : clock.calendarSeconds();
  if (const ContainerSave save = serializeContainer(record, *output, tick, now); !save.ok()) {
    return refuse(err, options.output, englishText(save));
  }
  return kExitSuccess;
}

volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int) {
  interrupted = 1;
}

// Packs, then again each time the inputs have changed and stood still for half a second,
// one line per pack (on out when it was written, the refusal on err otherwise), until
// SIGINT (Ctrl+C), which ends it with success.
int watchAndPack(const PackOptions& options, std::ostream& out, std::ostream& err) {
  interrupted = 0;
  const auto previous = std::signal(SIGINT, onInterrupt);
  platform::FileChangeWatch watch(500);
  watch.watch(0, inputsOf(options));
  const auto pack = [&] {
    const int code = runPack(options, err);
    if (code == kExitSuccess) out << "packed " << options.output << std::endl;
    return code;
  };
  int code = pack();
  while (code != kExitUsage && interrupted == 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (!watch.poll().empty()) pack();
  }
  std::signal(SIGINT, previous);
  return code == kExitUsage ? code : kExitSuccess;
}

}  // namespace

Command addPackCommand(CLI::App& app) {
  auto options = std::make_shared<PackOptions>();
  CLI::App* pack = app.add_subcommand("pack", "Build a container file from its parts");
  pack->add_option("-o,--output", options->output, "Container file to write")->required();
  const auto units = [](int count) { return ", at most " + std::to_string(count) + " units"; };
  pack->add_option("--name", options->name, "Container name" + units(kContainerNameKept))
      ->required();
  pack->add_option("--maker", options->maker, "Workshop name" + units(kWorkshopNameKept))
      ->required();
  pack->add_option("--type", options->type, "Type index (0-5, 9-12) or name; default 0");
  pack->add_option("--length", options->length,
                   "Total length in mm, 0 to " + std::to_string(kMaxLengthMm) + "; default 0");
  pack->add_option("--description", options->description, "Description" + units(kDescriptionKept));
  const CLI::Option* created =
      pack->add_option("--created", options->created, "Creation time, seconds since 1970")
          ->check(decimalCheck(kEarliest, kLatest));
  const CLI::Option* seed =
      pack->add_option("--seed", options->seed, "Scrambling seed, 0 to 16777215")
          ->check(decimalCheck(0u, kLargestSeed));
  CLI::Option* model = pack->add_option("--model", options->model, "Model blob file");
  CLI::Option* texture =
      pack->add_option("--texture", options->texture, "Texture PNG, at most " + largestImageText());
  pack->add_option("--obj", options->obj,
                   "OBJ model converted with its texture, instead of --model and --texture")
      ->excludes(model)
      ->excludes(texture);
  pack->add_flag("--repair", options->objInput.repair,
                 "Convert --obj with the repair (see convert), and a --texture or --sideview "
                 "that is no PNG or too large into a PNG that fits");
  addScaleOptions(*pack, options->objInput);
  pack->add_option("--sideview", options->sideView, "Side-view PNG, at most " + largestImageText())
      ->required();
  pack->add_flag("--watch", options->watch,
                 "Pack again whenever an input file changes, until interrupted (Ctrl+C)");
  const auto run = [options, created, seed](std::ostream& out, std::ostream& err) {
    options->createdGiven = created->count() != 0;
    options->seedGiven = seed->count() != 0;
    return options->watch ? watchAndPack(*options, out, err) : runPack(*options, err);
  };
  return {pack, run, resetting(options)};
}

}  // namespace qel::cli
