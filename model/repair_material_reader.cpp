#include "model/repair_material_reader.h"

#include <optional>

#include "base/path_parts.h"
#include "model/lenient_numbers.h"
#include "model/material_reader.h"
#include "model/model_file_lookup.h"
#include "model/texture_statement.h"
#include "model/wide_name.h"

namespace qel {
namespace {

// The file a map_Kd names: in the MTL file's folder, else as written; the first of them
// when neither is there, so that the refusal names it.
std::u16string findTexture(std::u16string_view name, std::u16string_view folder) {
  const std::u16string beside = std::u16string(folder) + std::u16string(name);
  for (const std::u16string& path : {beside, std::u16string(name)}) {
    if (path.size() <= kLongestPath && readModelFileHead(path, 1)) return path;
  }
  return beside;
}

}  // namespace

Result readRepairMaterialFile(std::u16string_view mtlPath, ObjModel& model,
                              ModelDiagnostics& diagnostics, RepairReading& repair) {
  const auto whole = readModelFile(mtlPath, kLongestModelFile);
  const NameEncoding encoding =
      whole ? nameEncodingOf({reinterpret_cast<const char*>(whole->data()), whole->size()})
            : NameEncoding::CodePage;
  const std::u16string folder(folderOf(mtlPath));
  const std::size_t firstOfFile = repair.materials.size();
  MaterialsBeyond beyond;
  const Result result = readLinePieces(mtlPath, [&](LinePieces& piece) {
    const TokenTable& tokens = piece.tokens();
    const std::uint32_t line = piece.line();
    const std::string_view keyword = tokens[0];
    if (keyword == "newmtl") {
      if (!model.materials.hasRoomFor(1)) {
        beyond.count(line);
        return true;
      }
      model.materials.spare(1)->setName(restOfLine(tokens, 1));
      model.materials.extend(1);
      repair.materials.emplace_back();
    } else if (repair.materials.size() > firstOfFile && keyword == "Kd") {
      repair.materials.back().diffuse = {static_cast<float>(readDouble(tokens[1])),
                                         static_cast<float>(readDouble(tokens[2])),
                                         static_cast<float>(readDouble(tokens[3]))};
    } else if (repair.materials.size() > firstOfFile && isTextureStatement(keyword)) {
      // The diffuse image, else the first: a normal map is no colour where a map_Kd is.
      std::u16string& texture = repair.materials.back().texture;
      if (keyword != "map_Kd" && !texture.empty()) return true;
      const auto name = toWideName(textureStatementFile(tokens), encoding);
      if (name && !name->empty()) texture = findTexture(*name, folder);
    }
    return true;
  });
  if (failed(beyond.report(mtlPath, diagnostics))) return kFailure;
  return result;
}

}  // namespace qel
