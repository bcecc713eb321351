// qelcontainer-cli info FILE [--json]: prints the record that a container file holds.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <memory>

#include "app/status_text.h"
#include "base/little_endian.h"
#include "base/utf.h"
#include "cli/commands.h"
#include "cli/container_input.h"
#include "cli/refusal.h"
#include "cli/utc_date.h"
#include "dialogs/container_type_table.h"
#include "image/png_check.h"

namespace qel::cli {
namespace {

struct InfoOptions {
  std::string file;
  bool json = false;
};

using nlohmann::json;

std::string utf8(std::u16string_view text) {
  return toUtf8(text);
}

std::optional<PngSize> pngSizeOf(const Bytes& data) {
  PngSize size;
  if (failed(readPngSize(data, size))) return std::nullopt;
  return size;
}

// The float's shortest decimal form, so that 0.1f shows as 0.1; null when not finite.
json lengthOf(float value) {
  if (!std::isfinite(value)) return nullptr;
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::strtod(std::string(text, end).c_str(), nullptr);
}

// A word of the model blob's head, or null when the blob is too short to hold it.
json modelWord(const Bytes& model, std::size_t offset) {
  if (model.size() < offset + 4) return nullptr;
  return readLe32(model.data() + offset);
}

json describeAsJson(const LoadedContainer& loaded) {
  const ContainerRecord& r = loaded.record;
  json info;
  info["form"] = loaded.seed ? "scrambled" : "plain";
  info["seed"] = loaded.seed ? json(*loaded.seed) : json(nullptr);
  info["containerName"] = utf8(r.containerName.view());
  info["makerName"] = utf8(r.makerName.view());
  info["description"] = utf8(r.description.view());
  info["typeIndex"] = r.typeIndex;
  const auto typeName = containerTypeName(r.typeIndex);
  info["typeName"] = typeName.empty() ? json(nullptr) : json(utf8(typeName));
  info["lengthMm"] = lengthOf(r.lengthMm);
  info["createdTime"] = r.createdTime;
  info["reservedValue"] = r.reservedValue;
  info["model"] = nullptr;
  if (r.modelData) {
    info["model"] = {{"size", r.modelData->size()},
                     {"vertexCount", r.modelVertexCount},
                     {"indexCount", modelWord(*r.modelData, 12)}};
  }
  info["texture"] = nullptr;
  if (r.textureData) {
    info["texture"] = {
        {"size", r.textureData->size()}, {"width", r.textureWidth}, {"height", r.textureHeight}};
  }
  info["sideView"] = nullptr;
  if (r.sideViewData) {
    const auto size = pngSizeOf(*r.sideViewData);
    info["sideView"] = {{"size", r.sideViewData->size()},
                        {"width", size ? json(size->width) : json(nullptr)},
                        {"height", size ? json(size->height) : json(nullptr)},
                        {"reserved1", r.sideViewReserved1},
                        {"reserved2", r.sideViewReserved2}};
  }
  return info;
}

// Line breaks of a description shown as \n, so that each field keeps to one line. Other
// control characters from the file show as '?': they must not steer the terminal.
std::string oneLine(std::u16string_view text) {
  std::u16string shown;
  for (char16_t c : text) {
    if (c == u'\r') continue;
    if (c == u'\n') {
      shown += u"\\n";
    } else {
      shown += c < 0x20 || (c >= 0x7F && c < 0xA0) ? u'?' : c;
    }
  }
  return utf8(shown);
}

// The lines of the desktop program's status view, then the form, the length and the
// creation time, which the window does not show.
void describeAsText(const std::string& file, const LoadedContainer& loaded, std::ostream& out) {
  const ContainerRecord& r = loaded.record;
  for (const std::u16string& line : statusViewLines(r, fromUtf8(file))) {
    out << oneLine(line) << "\n";
  }
  out << "\n形式        "
      << (loaded.seed ? "スクランブル形式（シード " + std::to_string(*loaded.seed) + "）"
                      : "非スクランブル形式")
      << "\n";
  out << "全長        " << lengthOf(r.lengthMm).dump() << " mm\n";
  out << "作成日時    " << formatUtcDate(r.createdTime) << "\n";
}

int runInfo(const InfoOptions& options, std::ostream& out, std::ostream& err) {
  const auto loaded = openContainerInput(options.file, err);
  if (!loaded) return kExitRefused;
  if (options.json) {
    out << describeAsJson(*loaded).dump(2) << "\n";
  } else {
    describeAsText(options.file, *loaded, out);
  }
  return kExitSuccess;
}

}  // namespace

Command addInfoCommand(CLI::App& app) {
  auto options = std::make_shared<InfoOptions>();
  CLI::App* info = app.add_subcommand("info", "Print the record of a container file");
  info->add_option("FILE", options->file, "Container file (.cnt or .q5c)")->required();
  info->add_flag("--json", options->json, "Print one JSON object");
  return {info,
          [options](std::ostream& out, std::ostream& err) { return runInfo(*options, out, err); },
          resetting(options)};
}

}  // namespace qel::cli
