#include "model/obj_reader.h"

#include <optional>

#include "base/path_parts.h"
#include "model/flat_normal.h"
#include "model/lenient_numbers.h"
#include "model/line_pieces.h"
#include "model/material_reader.h"
#include "model/texture_mapping.h"
#include "model/wide_name.h"

namespace qel {
namespace {

// The numbers of one face corner as written; a number that is not there is nothing.
struct Corner {
  std::optional<int> position;
  std::optional<int> texCoord;
  std::optional<int> normal;
};

// Reads position/texCoord/normal as sscanf("%d/%d/%d") would, and also the forms that
// leave out a middle number (v//vn).
Corner readCorner(std::string_view token) {
  Corner corner;
  int value = 0;
  std::size_t used = scanInt(token, value);
  if (used == 0) return corner;
  corner.position = value;
  token.remove_prefix(used);
  if (token.empty() || token[0] != '/') return corner;
  token.remove_prefix(1);
  used = scanInt(token, value);
  if (used > 0) corner.texCoord = value;
  token.remove_prefix(used);
  if (token.empty() || token[0] != '/') return corner;
  token.remove_prefix(1);
  if (scanInt(token, value) > 0) corner.normal = value;
  return corner;
}

// The list entry that a number of the file names: 1 is the first entry, -1 the last one
// read so far. Nothing for 0 and for numbers beyond the list.
std::optional<std::int32_t> entryIndex(int number, std::int32_t count) {
  if (number > 0 && number <= count) return number - 1;
  if (number < 0 && number >= -count) return count + number;
  return std::nullopt;
}

std::string capacityText(std::string_view list) {
  return "more than " + std::to_string(kObjListCapacity) + " " + std::string(list);
}

class ObjReading {
 public:
  ObjReading(std::u16string_view path, ObjModel& model, InfoMessageSink& messages,
             std::string& refusal)
      : objDir_(folderOf(path)), model_(model), messages_(messages), refusal_(refusal) {}

  bool statement(const TokenTable& tokens, std::uint32_t line) {
    line_ = line;
    switch (tokens.byteAt(0, 0)) {
      case 'v':
        switch (tokens.byteAt(0, 1)) {
          case '\0':
            return addVector(model_.positions, tokens, "positions");
          case 'n':
            return addVector(model_.normals, tokens, "normals");
          case 't':
            return addTexCoord(tokens);
          default:
            return true;
        }
      case 'f':
        return addFace(tokens);
      case 'u':
        selectMaterial(tokens[1]);
        return true;
      case 's':
        model_.smoothing = readInt(tokens[1]);
        return true;
      case 'm':
        return readLibrary(tokens[1]);
      default:
        return true;
    }
  }

 private:
  bool refuse(std::string_view what) {
    refusal_ = "line " + std::to_string(line_) + ": " + std::string(what);
    return false;
  }

  bool addVector(FixedList<Vector3, kObjListCapacity>& list, const TokenTable& tokens,
                 std::string_view what) {
    const bool added = list.push({static_cast<float>(readDouble(tokens[1])),
                                  static_cast<float>(readDouble(tokens[2])),
                                  static_cast<float>(readDouble(tokens[3]))});
    return added || refuse(capacityText(what));
  }

  bool addTexCoord(const TokenTable& tokens) {
    const bool added = model_.texCoords.push(
        {static_cast<float>(readDouble(tokens[1])), static_cast<float>(readDouble(tokens[2]))});
    return added || refuse(capacityText("texture coordinates"));
  }

  void selectMaterial(std::string_view name) {
    for (std::int32_t i = 0; i < model_.materials.size(); ++i) {
      if (model_.materials[i].nameView() == name) {
        model_.currentMaterial = i;
        return;
      }
    }
  }

  bool readLibrary(std::string_view name) {
    const auto wide = toWideName(name);
    if (!wide || objDir_.size() + wide->size() > kLongestPath) return true;  // as unreadable
    readMaterialFile(objDir_ + *wide, model_, messages_, refusal_);
    return refusal_.empty();
  }

  // The entry a corner's number names, or a refusal that says which number it was.
  std::optional<std::int32_t> entryOrRefuse(int number, std::int32_t count, const char* list) {
    const auto index = entryIndex(number, count);
    if (!index) refuseNumber(number, count, list);
    return index;
  }

  [[gnu::cold, gnu::noinline]] void refuseNumber(int number, std::int32_t count, const char* list) {
    refuse(std::string(list) + " number " + std::to_string(number) + " names no entry (" +
           std::to_string(count) + " read so far)");
  }

  // mapping is the current material's, or nothing when no material is current.
  bool setCorner(ModelVertex& vertex, std::string_view token, const MaterialMapping* mapping) {
    const Corner corner = readCorner(token);
    if (!corner.position) return refuse("a face corner without a position number");
    const auto position = entryOrRefuse(*corner.position, model_.positions.size(), "position");
    if (!position) return false;
    const Vector3& p = model_.positions[*position];
    vertex = {p.x, p.y, p.z, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    if (corner.normal) {
      const auto normal = entryOrRefuse(*corner.normal, model_.normals.size(), "normal");
      if (!normal) return false;
      const Vector3& n = model_.normals[*normal];
      vertex.nx = n.x;
      vertex.ny = n.y;
      vertex.nz = n.z;
    }
    if (corner.texCoord) {
      const auto texCoord =
          entryOrRefuse(*corner.texCoord, model_.texCoords.size(), "texture coordinate");
      if (!texCoord) return false;
      if (mapping) {
        const TexCoord uv = mapping->map(model_.texCoords[*texCoord]);
        vertex.u = uv.u;
        vertex.v = uv.v;
      }
    }
    return true;
  }

  bool addFace(const TokenTable& tokens) {
    if (!tokens.has(2) || !tokens.has(3)) return true;
    const std::int32_t corners = tokens.has(4) ? 4 : 3;
    const std::int32_t newIndices = corners == 4 ? 6 : 3;
    if (!model_.vertices.hasRoomFor(corners)) return refuse(capacityText("vertices"));
    if (!model_.indices.hasRoomFor(newIndices)) return refuse(capacityText("indices"));

    std::optional<MaterialMapping> mapping;
    if (model_.currentMaterial >= 0) {
      mapping.emplace(model_.materials[model_.currentMaterial], model_.atlasWidth,
                      model_.atlasHeight);
    }
    const std::int32_t first = model_.vertices.size();
    ModelVertex* added = model_.vertices.spare();
    for (std::int32_t k = 0; k < corners; ++k) {
      if (!setCorner(added[k], tokens[1 + k], mapping ? &*mapping : nullptr)) return false;
    }
    model_.vertices.extend(corners);

    constexpr std::int32_t kTriangles[6] = {0, 1, 2, 0, 2, 3};
    for (std::int32_t k = 0; k < newIndices; ++k) {
      model_.indices.push(static_cast<std::uint16_t>(first + kTriangles[k]));
    }

    if (model_.smoothing == 0) {
      const ModelVertex* v = &model_.vertices[first];
      const Vector3 normal =
          flatNormal({v[0].x, v[0].y, v[0].z}, {v[1].x, v[1].y, v[1].z}, {v[2].x, v[2].y, v[2].z});
      for (std::int32_t k = 0; k < corners; ++k) {
        ModelVertex& vertex = model_.vertices[first + k];
        vertex.nx = normal.x;
        vertex.ny = normal.y;
        vertex.nz = normal.z;
      }
    }
    return true;
  }

  std::u16string objDir_;
  ObjModel& model_;
  InfoMessageSink& messages_;
  std::string& refusal_;
  std::uint32_t line_ = 0;
};

}  // namespace

Result readObjFile(std::u16string_view path, ObjModel& model, InfoMessageSink& messages,
                   std::string& refusal) {
  model.smoothing = 0;
  refusal.clear();
  if (path.size() > kLongestPath) {
    refusal = "the path is longer than " + std::to_string(kLongestPath) + " units";
    return kFailure;
  }
  ObjReading reading(path, model, messages, refusal);
  const Result result =
      readLinePieces(path, [&reading](const TokenTable& tokens, std::uint32_t line) {
        return reading.statement(tokens, line);
      });
  if (failed(result) && refusal.empty()) {
    refusal = "the OBJ file cannot be read";
  }
  return result;
}

}  // namespace qel
