#include "model/material_reader.h"

#include <optional>

#include "base/little_endian.h"
#include "base/path_parts.h"
#include "image/png_check.h"
#include "model/info_message.h"
#include "model/line_pieces.h"
#include "model/model_file_lookup.h"
#include "model/refusal_text.h"
#include "model/tim_header.h"
#include "model/wide_name.h"
#include "platform/os.h"

namespace qel {
namespace {

constexpr std::size_t kSmallestBmp = 54;
// The most of a texture that is read: its header, the longest being a BMP's.
constexpr std::size_t kTextureHead = kSmallestBmp;

// The folders in which a material file's textures are looked for.
struct TextureFolders {
  std::u16string mtlDir;     // the material file's own folder
  std::u16string parentDir;  // the folder above it (mtlDir itself for a root folder)
  std::u16string timDir;     // TIM/ in parentDir
};

TextureFolders texturesFolders(std::u16string_view mtlPath) {
  TextureFolders folders;
  folders.mtlDir = folderOf(mtlPath);
  folders.parentDir = folders.mtlDir;
  // Backwards from the unit before the trailing separator to the separator before it.
  for (std::size_t at = folders.mtlDir.size(); at >= 2; --at) {
    const char16_t c = folders.mtlDir[at - 2];
    if (c == u'/' || c == u'\\') {
      folders.parentDir.resize(at - 1);
      break;
    }
  }
  folders.timDir = folders.parentDir + u"TIM/";
  return folders;
}

std::int32_t littleEndian32(const Bytes& data, std::size_t at) {
  return static_cast<std::int32_t>(readLe32(data.data() + at));
}

// Makes path the entry's texture path and reads the file's header; nothing when the path
// does not fit a path buffer (the file then counts as unreadable) or the file cannot be
// read.
std::optional<Bytes> tryTexture(MaterialEntry& entry, std::u16string path) {
  if (path.size() > kLongestPath) return std::nullopt;
  entry.texturePath.assign(path);
  return readModelFileHead(path, kTextureHead);
}

void setWholeAtlas(MaterialEntry& entry, ObjModel& model, float width, float height) {
  entry.rectX = 0.0f;
  entry.rectY = 0.0f;
  entry.rectWidth = width;
  entry.rectHeight = height;
  model.atlasWidth = width;
  model.atlasHeight = height;
}

// Where a texture statement stands, and where its problems go.
struct StatementReport {
  std::u16string_view file;
  std::uint32_t line;
  InfoMessageSink& messages;
  ModelDiagnostics& diagnostics;
};

void warnUnreadable(const StatementReport& at, const MaterialEntry& entry) {
  at.diagnostics.warning(at.file, at.line, "mtl.texture-unreadable",
                         "the texture " + displayPath(entry.texturePath.view()) +
                             " cannot be read: its material gets an empty rectangle");
}

void resolveTim(MaterialEntry& entry, std::string_view name, std::u16string_view base,
                const TextureFolders& folders, const StatementReport& at) {
  std::optional<Bytes> data;
  for (const std::u16string* folder : {&folders.mtlDir, &folders.timDir, &folders.parentDir}) {
    data = tryTexture(entry, *folder + std::u16string(base) + u".tim");
    if (data) break;
  }
  if (!data) {
    if (const auto asWritten = toWideName(name)) data = tryTexture(entry, *asWritten);
  }
  if (!data) {
    std::string text = "WAVEFRONT TIM LOAD ERROR [";
    text += name;
    text += "]";
    showInfoMessageAnsi(at.messages, text);
    at.diagnostics.warning(at.file, at.line, "mtl.tim-missing",
                           displayPath(platform::codePage().toWide(text)));
    return;
  }
  const TimOrigin origin = timImageOrigin(*data);
  if (origin.depth != 24) {
    std::u16string text = u"WAVEFRONT TIM COLOR-BIT ERROR [bit ";
    for (const char c : std::to_string(origin.depth)) text += static_cast<char16_t>(c);
    text += u"][";
    text += entry.texturePath.view();
    text += u"]";
    showInfoMessage(at.messages, text);
    at.diagnostics.warning(at.file, at.line, "mtl.tim-color-depth", displayPath(text));
    return;
  }
  const TimSize size = timImageSize(*data);
  entry.rectX = static_cast<float>(origin.x);
  entry.rectY = static_cast<float>(origin.y);
  entry.rectWidth = static_cast<float>(size.width);
  entry.rectHeight = static_cast<float>(size.height);
}

// Finds the texture named in a texture statement and fills entry from it.
void resolveTexture(MaterialEntry& entry, std::string_view name, const TextureFolders& folders,
                    ObjModel& model, const StatementReport& at) {
  const std::u16string wide = platform::codePage().toWide(name);
  const PathParts parts = splitPath(wide);
  const std::u16string base(parts.base);

  if (equalIgnoringCase(parts.extension, u".bmp")) {
    const auto data = tryTexture(entry, folders.mtlDir + base + u".bmp");
    if (data && data->size() >= kSmallestBmp) {
      setWholeAtlas(entry, model, static_cast<float>(littleEndian32(*data, 18)),
                    static_cast<float>(littleEndian32(*data, 22)));
    } else {
      warnUnreadable(at, entry);
    }
  } else if (equalIgnoringCase(parts.extension, u".png")) {
    const auto data = tryTexture(entry, folders.mtlDir + base + u".png");
    PngSize size;
    if (data && !failed(readPngSize(*data, size))) {
      setWholeAtlas(entry, model, static_cast<float>(size.width), static_cast<float>(size.height));
    } else {
      warnUnreadable(at, entry);
    }
  } else {
    resolveTim(entry, name, parts.base, folders, at);
  }
}

}  // namespace

Result readMaterialFile(std::u16string_view mtlPath, ObjModel& model, InfoMessageSink& messages,
                        ModelDiagnostics& diagnostics) {
  const TextureFolders folders = texturesFolders(mtlPath);
  std::optional<std::string> waitingName;  // of a newmtl that has no texture statement yet
  MaterialsBeyond beyond;
  const Result result = readLinePieces(mtlPath, [&](LinePieces& piece) {
    const TokenTable& tokens = piece.tokens();
    const std::uint32_t line = piece.line();
    switch (tokens.byteAt(0, 0)) {
      case 'n':
        // The name waits in the next free entry for its texture statement.
        if (model.materials.hasRoomFor(1)) model.materials.spare(1)->setName(tokens[1]);
        if (waitingName) diagnostics.noteMaterialWithoutTexture(*waitingName);
        waitingName = tokens[1].substr(0, MaterialEntry::kNameCapacity - 1);
        return true;
      case 'm':
        waitingName.reset();
        if (!model.materials.hasRoomFor(1)) {
          beyond.count(line);
          return true;
        }
        diagnostics.noteTextureStatement(mtlPath, line);
        model.materials.spare(1)->textureUnnamed = tokens[1].empty();
        resolveTexture(*model.materials.spare(1), tokens[1], folders, model,
                       {mtlPath, line, messages, diagnostics});
        model.materials.extend(1);
        return true;
      default:
        return true;
    }
  });
  if (waitingName) diagnostics.noteMaterialWithoutTexture(*waitingName);
  if (failed(beyond.report(mtlPath, diagnostics))) return kFailure;
  return result;
}

void MaterialsBeyond::count(std::uint32_t line) {
  if (!firstLine_) firstLine_ = line;
  ++count_;
}

Result MaterialsBeyond::report(std::u16string_view mtlPath, ModelDiagnostics& diagnostics) const {
  if (!firstLine_) return kSuccess;
  diagnostics.listFull(mtlPath, *firstLine_, "mtl.capacity", ModelList::Materials, "materials",
                       kMaterialCapacity, count_);
  return diagnostics.stopped() ? kFailure : kSuccess;
}

}  // namespace qel
