// qelcontainer-cli export FILE -o FOLDER: writes the model of a container file back as an
// OBJ model with its MTL file, its texture and the side view.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <memory>
#include <vector>

#include "base/utf.h"
#include "cli/commands.h"
#include "cli/container_input.h"
#include "cli/refusal.h"
#include "cli/utf8_argument.h"
#include "container/file_replacement.h"
#include "container/whole_file.h"
#include "image/png_check.h"
#include "model/obj_export.h"
#include "platform/os.h"

namespace qel::cli {
namespace {

namespace fs = std::filesystem;

struct ExportOptions {
  std::string file;
  std::string folder;
};

std::u16string inFolder(std::u16string folder, std::u16string_view name) {
  if (!folder.empty() && folder.back() != u'/' && folder.back() != u'\\') folder += u'/';
  return folder + std::u16string(name);
}

std::span<const std::uint8_t> textBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Makes folder with its missing parents; answers the folders it made, deepest first, or
// nothing after a refusal on err (a file in the way, or a folder that cannot be made).
std::optional<std::vector<fs::path>> makeFolder(const std::u16string& folder,
                                                const std::string& shown, std::ostream& err) {
  std::vector<fs::path> made;
  std::error_code error;
  for (fs::path at(folder); !at.empty() && !fs::exists(at, error); at = at.parent_path()) {
    made.push_back(at);
    if (at == at.parent_path()) break;
  }
  if (fs::exists(fs::path(folder), error) && !fs::is_directory(fs::path(folder), error)) {
    refuse(err, shown, "a file is in the way of the folder");
    return std::nullopt;
  }
  if (!fs::create_directories(fs::path(folder), error) && error) {
    refuse(err, shown, "the folder cannot be made (" + error.message() + ")");
    return std::nullopt;
  }
  return made;
}

void removeFolders(const std::vector<fs::path>& made) {
  std::error_code error;
  for (const fs::path& folder : made) fs::remove(folder, error);
}

std::optional<PngSize> pngSizeOf(const std::optional<Bytes>& data) {
  PngSize size;
  if (!data || failed(readPngSize(*data, size))) return std::nullopt;
  return size;
}

int runExport(const ExportOptions& options, std::ostream& out, std::ostream& err) {
  const auto folder = pathArgument(options.folder, err);
  if (!folder) return kExitRefused;
  const auto loaded = openContainerInput(options.file, err);
  if (!loaded) return kExitRefused;
  const ContainerRecord& record = loaded->record;
  if (!record.modelData) return refuse(err, options.file, "holds no model");
  const ModelBlobReading blob = readModelBlob(*record.modelData);
  if (!blob.view) return refuse(err, options.file, blob.problem);

  const auto made = makeFolder(*folder, options.folder, err);
  if (!made) return kExitRefused;
  const std::u16string paths[] = {
      inFolder(*folder, kExportedObjName), inFolder(*folder, kExportedMtlName),
      inFolder(*folder, kExportedTextureName), inFolder(*folder, kExportedSideViewName)};
  // The OBJ text, larger than the model, goes to its file piece by piece and is put in
  // place after the others, so that a failure before then leaves every file as it was.
  platform::WriteFailure why = platform::WriteReason::Other;
  auto obj = beginReplacing(paths[0], &why, LinkAtName::Replace);
  // Nothing of a refused export is left, not even the folders it made.
  const auto cannotTake = [&] {
    if (obj && obj->failure() != platform::WriteReason::None) why = obj->failure();
    obj.reset();
    removeFolders(*made);
    return refuse(err, options.folder, englishText(why));
  };
  if (!obj) return cannotTake();
  const auto facesAsConverted =
      exportObjText(*blob.view, pngSizeOf(record.textureData),
                    [&obj](std::string_view piece) { return obj->write(textBytes(piece)); });
  if (!facesAsConverted) return cannotTake();
  const std::string mtl = exportedMtlText();
  std::vector<FileContent> files = {{paths[1], textBytes(mtl)}};
  if (record.textureData) files.push_back({paths[2], *record.textureData});
  if (record.sideViewData) files.push_back({paths[3], *record.sideViewData});
  if (!writeWholeFiles(files, &why) || !obj->commit()) return cannotTake();

  out << toUtf8(paths[0]) << "\n";
  for (const FileContent& file : files) out << toUtf8(file.path) << "\n";
  if (!record.textureData) out << "(the container holds no texture)\n";
  if (!record.sideViewData) out << "(the container holds no side view)\n";
  if (!*facesAsConverted) {
    out << "(triangles share vertices: converted again, each corner gets a vertex of its own)\n";
  }
  return kExitSuccess;
}

}  // namespace

Command addExportCommand(CLI::App& app) {
  auto options = std::make_shared<ExportOptions>();
  CLI::App* command =
      app.add_subcommand("export", "Write the model back as an OBJ model with its texture");
  command->add_option("FILE", options->file, "Container file (.cnt or .q5c)")->required();
  command->add_option("-o,--output", options->folder, "Folder to write into, made when missing")
      ->required();
  return {command,
          [options](std::ostream& out, std::ostream& err) { return runExport(*options, out, err); },
          resetting(options)};
}

}  // namespace qel::cli
