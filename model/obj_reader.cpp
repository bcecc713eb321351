#include "model/obj_reader.h"

#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "base/path_parts.h"
#include "model/flat_normal.h"
#include "model/lenient_numbers.h"
#include "model/line_pieces.h"
#include "model/material_reader.h"
#include "model/model_file_lookup.h"
#include "model/refusal_text.h"
#include "model/repair_material_reader.h"
#include "model/texture_mapping.h"
#include "model/texture_statement.h"
#include "model/wide_name.h"
#include "platform/os.h"

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
Corner readCornerAsScanned(std::string_view token) {
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

// The length of the corner at start, before end, read into corner, which holds no number
// yet: a position, then maybe a texture coordinate and a normal after slashes, numbers of
// at most nine digits without a sign, as nearly every file writes them. 0, with corner in
// any state, for a corner of any other form; the caller takes a length that stops short
// of the token's end as such a form too.
std::size_t readPlainCorner(const char* const start, const char* const end, Corner& corner) {
  constexpr std::ptrdiff_t kPlainDigits = 9;  // below ten digits, every number fits an int
  const char* at = start;
  // The number at at, if digits stand there; false when they are too many to read here.
  const auto number = [&at, end](std::optional<int>& into) {
    const char* const digits = at;
    std::uint32_t value = 0;  // wraps, unread, past nine digits
    for (unsigned digit; at != end && (digit = static_cast<unsigned char>(*at - '0')) <= 9; ++at) {
      value = value * 10 + digit;
    }
    if (at - digits > kPlainDigits) return false;
    if (at != digits) into = static_cast<int>(value);
    return true;
  };
  const auto slash = [&at, end] {
    if (at == end || *at != '/') return false;
    ++at;
    return true;
  };
  if (!number(corner.position) || !corner.position) return 0;
  if (slash() && (!number(corner.texCoord) || (slash() && !number(corner.normal)))) return 0;
  return static_cast<std::size_t>(at - start);
}

// The list entry that a number of the file names: 1 is the first entry, -1 the last one
// read so far. Nothing for 0 and for numbers beyond the list.
std::optional<std::int32_t> entryIndex(int number, std::int32_t count) {
  if (number > 0 && number <= count) return number - 1;
  if (number < 0 && number >= -count) return count + number;
  return std::nullopt;
}

std::string capacityText(std::int32_t capacity, std::string_view list) {
  return "more than " + std::to_string(capacity) + " " + std::string(list);
}

bool isFinite(const Vector3& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

constexpr std::string_view kSaveAsAnsiOrUtf8 = "save it as ANSI or UTF-8 text";

LibraryFault libraryFault(Result read) {
  if (read == kFileTooLong) return LibraryFault::TooLong;
  return read == kUtf16Text ? LibraryFault::Utf16 : LibraryFault::NotRead;
}

bool isInUnitSquare(const TexCoord& uv) {
  return uv.u >= 0.0f && uv.u <= 1.0f && uv.v >= 0.0f && uv.v <= 1.0f;
}

// A name from the file for a one-line message.
std::string shown(std::string_view name) {
  return displayPath(platform::codePage().toWide(name));
}

// Lists is where positions, normals, texture coordinates and the faces go: the working
// model's fixed lists, or the repair's mesh.
template <typename Lists>
class ObjReading {
 public:
  ObjReading(std::u16string_view path, ObjModel& model, Lists& lists, InfoMessageSink& messages,
             ModelDiagnostics& diagnostics, RepairReading* repair, NameEncoding encoding)
      : path_(path),
        objDir_(folderOf(path)),
        model_(model),
        lists_(lists),
        messages_(messages),
        diagnostics_(diagnostics),
        checking_(diagnostics.checking()),
        repair_(repair),
        encoding_(encoding) {}

  // Answers whether reading goes on. The statements that fill the lists take their
  // tokens one at a time; the others take the piece's table.
  bool statement(LinePieces& piece) {
    line_ = piece.line();
    if (overflow_) {
      countOverflow(piece.tokens());
      return true;
    }
    const std::string_view keyword = piece.keyword();
    // Byte at of the keyword; 0 past its end, as at a terminator.
    const auto byteAt = [keyword](std::size_t at) {
      return at < keyword.size() ? keyword[at] : '\0';
    };
    switch (byteAt(0)) {
      case 'v':
        switch (byteAt(1)) {
          case '\0':
            addVector(lists_.positions, full_.positions, piece, ModelList::Positions, "positions");
            break;
          case 'n':
            addVector(lists_.normals, full_.normals, piece, ModelList::Normals, "normals");
            break;
          case 't':
            addTexCoord(piece);
            break;
          default:
            warnIgnored(keyword);
        }
        break;
      case 'f':
        addFace(piece);
        break;
      case 'u':
        // Names of the repair's materials may hold blanks, and lose what follows them.
        selectMaterial(repair_ ? restOfLine(piece.tokens(), 1) : piece.tokens()[1]);
        break;
      case 's':
        model_.smoothing = readInt(piece.tokens()[1]);
        break;
      case 'm':
        readLibrary(piece.tokens()[1]);
        break;
      default:
        // Groups and object names leave nothing in the model, as expected.
        if (keyword != "g" && keyword != "o") warnIgnored(keyword);
    }
    if (overflow_) countOverflow(piece.tokens());  // the statement that found its list full
    return !diagnostics_.stopped();
  }

  // What only the whole file can tell: how far a list overflowed, and warnings.
  void finish() {
    if (overflow_) reportOverflow();
    if (!checking_) return;
    const auto& statements = diagnostics_.textureStatements();
    for (std::size_t i = 0; i < statements.size(); ++i) {
      if (i < usedMaterials_.size() && usedMaterials_[i]) continue;
      diagnostics_.warning(
          statements[i].file, statements[i].line, "mtl.unused-texture",
          "no face uses the material of this texture statement (" + statementMaterial(i) + ")");
    }
  }

 private:
  void error(std::string_view code, std::string what) {
    diagnostics_.error(path_, line_, code, std::move(what));
  }
  void warning(std::string_view code, std::string what) {
    diagnostics_.warning(path_, line_, code, std::move(what));
  }

  // The material that texture statement i belongs to, for a message: its own, else the one
  // named last before it, of which it is a further statement.
  std::string statementMaterial(std::size_t i) const {
    for (std::size_t j = i + 1; j-- > 0;) {
      const std::string_view name = model_.materials[static_cast<std::int32_t>(j)].nameView();
      if (name.empty()) continue;
      return j == i ? shown(name) : "a further texture statement of " + shown(name);
    }
    return "before any newmtl";
  }

  void warnIgnored(std::string_view keyword) {
    // An indented comment line is a comment too.
    if (checking_ && !keyword.starts_with('#'))
      warning("obj.ignored-statement", "the statement " + shown(keyword) + " is ignored");
  }

  // A list that is full takes nothing more; while checking, its error is told once. A
  // conversion stops taking statements and counts the rest of the list, so that its
  // refusal can say how many the model holds.
  void refuseFull(bool& told, ModelList list, std::string_view name, std::int32_t capacity) {
    if (!checking_) {
      overflow_ = Overflow{list, name, capacity, line_, 0, 0};
      return;
    }
    if (!told) diagnostics_.listFull(path_, line_, "obj.capacity", list, name);
    told = true;
  }

  struct Overflow {
    ModelList list;
    std::string_view name;
    std::int32_t capacity;
    std::uint32_t line;
    std::uint64_t count;      // of list, past those it holds
    std::uint64_t triangles;  // past those read
  };

  void countOverflow(const TokenTable& tokens) {
    const char kind = tokens.byteAt(0, 0);
    const char second = tokens.byteAt(0, 1);
    const bool face = kind == 'f' && second == '\0' && tokens.has(2) && tokens.has(3);
    const std::uint64_t triangles = face ? (tokens.has(4) ? 2 : 1) : 0;
    overflow_->triangles += triangles;
    switch (overflow_->list) {
      case ModelList::Positions:
        overflow_->count += kind == 'v' && second == '\0';
        break;
      case ModelList::Normals:
        overflow_->count += kind == 'v' && second == 'n';
        break;
      case ModelList::TexCoords:
        overflow_->count += kind == 'v' && second == 't';
        break;
      case ModelList::Triangles:
        overflow_->count += triangles;
        break;
      case ModelList::None:
      case ModelList::Materials:
        break;
    }
  }

  // Names the triangles first, as an author counts: they are what simplifying reduces.
  void reportOverflow() {
    const std::uint64_t triangles = lists_.indices.size() / 3 + overflow_->triangles;
    const bool ofTriangles = overflow_->list == ModelList::Triangles;
    const std::int32_t triangleLimit = repair_ ? kRepairTriangleBound : ObjModel::kTriangleCapacity;
    RefusalFacts facts;
    facts.list = overflow_->list;
    facts.count = (ofTriangles ? triangles : listSize(overflow_->list) + overflow_->count);
    facts.limit = ofTriangles ? triangleLimit : overflow_->capacity;
    facts.triangles = triangles;
    std::string what = std::to_string(triangles) + " triangles";
    if (triangles > static_cast<std::uint64_t>(triangleLimit)) {
      what += repair_ ? ", more than the " + std::to_string(triangleLimit) +
                            " that the repair reads to simplify"
                      : ", more than the " + std::to_string(triangleLimit) + " a model takes";
    }
    if (!ofTriangles) what += "; " + capacityText(overflow_->capacity, overflow_->name);
    if (!repair_ && triangles <= static_cast<std::uint64_t>(kRepairTriangleBound)) {
      what += triangles > static_cast<std::uint64_t>(triangleLimit) ? " (--repair simplifies it)"
                                                                    : " (--repair takes it)";
    }
    diagnostics_.error(path_, overflow_->line, repair_ ? "repair.too-large" : "obj.capacity",
                       std::move(what), std::move(facts));
  }

  using Index = std::remove_cvref_t<decltype(*std::declval<Lists&>().indices.begin())>;

  std::int32_t listSize(ModelList list) const {
    switch (list) {
      case ModelList::Normals:
        return lists_.normals.size();
      case ModelList::TexCoords:
        return lists_.texCoords.size();
      default:
        return lists_.positions.size();
    }
  }

  template <typename List>
  void addVector(List& list, bool& full, LinePieces& piece, ModelList which,
                 std::string_view what) {
    const auto x = static_cast<float>(piece.nextNumber());
    const auto y = static_cast<float>(piece.nextNumber());
    const Vector3 v{x, y, static_cast<float>(piece.nextNumber())};
    if (!list.push(v)) return refuseFull(full, which, what, list.capacity());
    if (checking_ && !isFinite(v)) warning("obj.non-finite", "a coordinate that is not finite");
  }

  void addTexCoord(LinePieces& piece) {
    const auto u = static_cast<float>(piece.nextNumber());
    const TexCoord uv{u, static_cast<float>(piece.nextNumber())};
    if (!lists_.texCoords.push(uv))
      return refuseFull(full_.texCoords, ModelList::TexCoords, "texture coordinates",
                        lists_.texCoords.capacity());
    if (checking_ && !(std::isfinite(uv.u) && std::isfinite(uv.v))) {
      warning("obj.non-finite", "a coordinate that is not finite");
    }
  }

  // The first material of that name. Materials are only ever added at the end of the
  // list, so the index takes in those added since it was last asked.
  std::optional<std::int32_t> materialNamed(std::string_view name) {
    for (; materialsIndexed_ < model_.materials.size(); ++materialsIndexed_) {
      materialByName_.try_emplace(model_.materials[materialsIndexed_].nameView(),
                                  materialsIndexed_);
    }
    const auto found = materialByName_.find(name);
    if (found == materialByName_.end()) return std::nullopt;
    return found->second;
  }

  void selectMaterial(std::string_view name) {
    mappingStale_ = true;
    if (const auto material = materialNamed(name)) {
      model_.currentMaterial = *material;
      return;
    }
    if (!checking_) return;
    if (diagnostics_.isMaterialWithoutTexture(name)) {
      warning("obj.material-without-texture",
              "the material " + shown(name) +
                  " has no texture statement, so it is none: the faces keep the material before");
    } else {
      warning("obj.unknown-material", "no material file read so far holds the material " +
                                          shown(name) + ": the faces keep the material before");
    }
  }

  Result readLibraryAt(std::u16string_view path) {
    if (repair_) return readRepairMaterialFile(path, model_, diagnostics_, *repair_);
    return readMaterialFile(path, model_, messages_, diagnostics_);
  }

  void readLibrary(std::string_view name) {
    mappingStale_ = true;  // a material file can change the atlas
    const auto wide = toWideName(name, encoding_);
    // A path that does not fit counts as unreadable.
    const bool fits = wide && objDir_.size() + wide->size() <= kLongestPath;
    const Result read = fits ? readLibraryAt(objDir_ + *wide) : kFailure;
    if (!failed(read)) diagnostics_.noteLibrary(objDir_ + *wide);
    if (!failed(read) || diagnostics_.stopped()) return;
    const LibraryFault fault = libraryFault(read);
    diagnostics_.noteUnreadableLibrary(fits ? objDir_ + *wide : platform::codePage().toWide(name),
                                       fault);
    std::string what = libraryFaultText(fault, shown(name));
    switch (fault) {
      case LibraryFault::TooLong:
        what += ": its materials from there on are missing";
        break;
      case LibraryFault::Utf16:
        what += ": its materials are missing (" + std::string(kSaveAsAnsiOrUtf8) + ")";
        break;
      case LibraryFault::NotRead:
        what += ": its materials are missing";
    }
    warning("obj.mtl-unreadable", std::move(what));
  }

  // The entry a corner's number names, or nothing after an error that says which number
  // it was. Numbers past a full list were dropped with it, whose error was told already.
  std::optional<std::int32_t> entryOrRefuse(int number, std::int32_t count, bool listFull,
                                            const char* code, const char* list) {
    const auto index = entryIndex(number, count);
    if (!index && !listFull) refuseNumber(number, count, code, list);
    return index;
  }

  [[gnu::cold, gnu::noinline]] void refuseNumber(int number, std::int32_t count, const char* code,
                                                 const char* list) {
    error(code, std::string(list) + " number " + std::to_string(number) + " names no entry (" +
                    std::to_string(count) + " read so far)");
  }

  // mapping is the current material's, or nothing when no material is current. False
  // after an error: the face is left out.
  // written gets the corner's texture coordinate as the file gives it.
  bool setCorner(ModelVertex& vertex, TexCoord& written, const Corner& corner,
                 const MaterialMapping* mapping) {
    if (!corner.position) {
      error("obj.corner-without-position", "a face corner without a position number");
      return false;
    }
    const auto position = entryOrRefuse(*corner.position, lists_.positions.size(), full_.positions,
                                        "obj.no-such-position", "position");
    if (!position) return false;
    const Vector3& p = lists_.positions[*position];
    vertex = {p.x, p.y, p.z, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    if (corner.normal) {
      const auto normal = entryOrRefuse(*corner.normal, lists_.normals.size(), full_.normals,
                                        "obj.no-such-normal", "normal");
      if (!normal) return false;
      const Vector3& n = lists_.normals[*normal];
      vertex.nx = n.x;
      vertex.ny = n.y;
      vertex.nz = n.z;
    }
    if (corner.texCoord) {
      const auto texCoord =
          entryOrRefuse(*corner.texCoord, lists_.texCoords.size(), full_.texCoords,
                        "obj.no-such-texcoord", "texture coordinate");
      if (!texCoord) return false;
      written = lists_.texCoords[*texCoord];
      if (mapping) {
        if (checking_ && !isInUnitSquare(written)) outsideUnitSquare_ = *corner.texCoord;
        const TexCoord uv = mapping->map(written);
        vertex.u = uv.u;
        vertex.v = uv.v;
      }
    }
    return true;
  }

  // The current material's mapping, or nullptr when no material is current; made again
  // only after a usemtl or a material library.
  const MaterialMapping* currentMapping() {
    if (mappingStale_) {
      mapping_.reset();
      if (model_.currentMaterial >= 0) {
        mapping_.emplace(model_.materials[model_.currentMaterial], model_.atlasWidth,
                         model_.atlasHeight);
      }
      mappingStale_ = false;
    }
    return mapping_ ? &*mapping_ : nullptr;
  }

  void addFace(LinePieces& piece) {
    // The corners as written: the first four tokens after the keyword.
    std::array<Corner, 4> read;
    std::int32_t corners = 0;
    for (; corners < 4; ++corners) {
      Corner& corner = read[corners];
      if (piece.takeRead([&corner](const char* at, const char* end) {
            return readPlainCorner(at, end, corner);
          })) {
        continue;
      }
      const auto token = piece.nextToken();
      if (!token) break;
      corner = readCornerAsScanned(*token);
    }
    if (corners < 3) {
      if (checking_) warning("obj.short-face", "a face of fewer than three corners is ignored");
      return;
    }
    // A face of more corners keeps its first four; the repair takes them all. What follows
    // four corners and names no position (a comment, say) is no corner.
    std::span<const Corner> all(read.data(), static_cast<std::size_t>(corners));
    bool cut = false;
    if (corners == 4) {
      const auto fifth = piece.nextToken();
      const Corner fifthCorner = fifth ? readCornerAsScanned(*fifth) : Corner{};
      if (fifthCorner.position) {
        if (repair_) {
          const auto taken = allCorners(read, fifthCorner, piece);
          if (!taken) return;
          all = *taken;
          corners = static_cast<std::int32_t>(all.size());
        } else {
          cut = true;
        }
      }
    }
    const std::int32_t newIndices = 3 * (corners - 2);
    if (!lists_.vertices.hasRoomFor(corners)) {
      // An author counts triangles, and for them both lists fill together.
      return refuseFull(full_.vertices, ModelList::Triangles, "vertices",
                        lists_.vertices.capacity());
    }
    if (!lists_.indices.hasRoomFor(newIndices)) {
      return refuseFull(full_.indices, ModelList::Triangles, "indices", lists_.indices.capacity());
    }

    const MaterialMapping* const mapping = currentMapping();
    const std::int32_t first = lists_.vertices.size();
    ModelVertex* added = lists_.vertices.spare(corners);
    outsideUnitSquare_.reset();
    const std::size_t repairWritten = repair_ ? repair_->vertexTexCoords.size() : 0;
    for (std::int32_t k = 0; k < corners; ++k) {
      TexCoord written{};
      if (!setCorner(added[k], written, all[static_cast<std::size_t>(k)], mapping)) {
        if (repair_) repair_->vertexTexCoords.resize(repairWritten);
        return;
      }
      if (repair_) repair_->vertexTexCoords.push_back(written);
    }
    lists_.vertices.extend(corners);
    if (repair_) {
      repair_->vertexMaterials.insert(repair_->vertexMaterials.end(), corners,
                                      model_.currentMaterial);
      repair_->vertexFlat.insert(repair_->vertexFlat.end(), corners, model_.smoothing == 0);
    }
    if (cut) diagnostics_.noteCutFace();

    // A fan from the first corner: 0 1 2, 0 2 3, and so on.
    for (std::int32_t k = 1; k + 1 < corners; ++k) {
      lists_.indices.push(static_cast<Index>(first));
      lists_.indices.push(static_cast<Index>(first + k));
      lists_.indices.push(static_cast<Index>(first + k + 1));
    }

    if (model_.smoothing == 0) {
      const ModelVertex* v = &lists_.vertices[first];
      const Vector3 normal =
          flatNormal({v[0].x, v[0].y, v[0].z}, {v[1].x, v[1].y, v[1].z}, {v[2].x, v[2].y, v[2].z});
      for (std::int32_t k = 0; k < corners; ++k) {
        ModelVertex& vertex = lists_.vertices[first + k];
        vertex.nx = normal.x;
        vertex.ny = normal.y;
        vertex.nz = normal.z;
      }
    }
    if (checking_) checkFace(&lists_.vertices[first], corners, cut);
  }

  // The repair's corners of a face of more than four: the four read, fifth and those after
  // it, up to the first token that names no position, on as many pieces as its line takes.
  // Nothing, refused, for a face of more than kMostFaceCorners.
  std::optional<std::span<const Corner>> allCorners(const std::array<Corner, 4>& read,
                                                    const Corner& fifth, LinePieces& piece) {
    repairCorners_.assign(read.begin(), read.end());
    repairCorners_.push_back(fifth);
    // A token cut where a piece ends is held until the next piece gives its rest; a
    // refill of the read buffer moves the bytes that the piece's tokens point into.
    std::string held;
    std::vector<std::string> tokens;
    do {
      tokens.clear();
      while (const auto token = piece.nextTokenBeyondTable()) tokens.emplace_back(*token);
      if (!held.empty()) {
        if (tokens.empty() || !piece.beginsInToken()) tokens.emplace(tokens.begin());
        tokens.front().insert(0, held);
        held.clear();
      }
      if (piece.endsInToken() && !tokens.empty()) {
        held = std::move(tokens.back());
        tokens.pop_back();
      }
      for (const std::string& token : tokens) {
        if (!takeCorner(token)) return ended_ ? std::optional(takeCorners()) : std::nullopt;
      }
    } while (piece.continueLine());
    if (!held.empty() && !takeCorner(held) && !ended_) return std::nullopt;
    return takeCorners();
  }

  // Adds the corner a token names; false once a token names none (ended_) or after
  // refusing a face of more than kMostFaceCorners.
  bool takeCorner(std::string_view token) {
    const Corner corner = readCornerAsScanned(token);
    ended_ = !corner.position;
    if (ended_) return false;
    if (repairCorners_.size() == kMostFaceCorners) {
      error("obj.face-too-large",
            "a face of more than " + std::to_string(kMostFaceCorners) + " corners");
      return false;
    }
    repairCorners_.push_back(corner);
    return true;
  }

  std::span<const Corner> takeCorners() {
    repair_->facesSplit = true;
    return repairCorners_;
  }

  void checkFace(const ModelVertex* v, std::int32_t corners, bool cut) {
    if (cut) warning("obj.polygon-cut", "a face of more than four corners keeps its first four");
    if (model_.currentMaterial < 0 && !toldNoMaterial_) {
      warning("obj.face-without-material",
              "faces before the first usemtl that names a material get texture coordinates 0, 0");
      toldNoMaterial_ = true;
    }
    if (model_.currentMaterial >= 0) {
      const auto material = static_cast<std::size_t>(model_.currentMaterial);
      if (usedMaterials_.size() <= material) usedMaterials_.resize(material + 1);
      usedMaterials_[material] = true;
    }
    const auto area = [v](int a, int b, int c) {
      const Vector3 n =
          flatNormal({v[a].x, v[a].y, v[a].z}, {v[b].x, v[b].y, v[b].z}, {v[c].x, v[c].y, v[c].z});
      return n.x != 0.0f || n.y != 0.0f || n.z != 0.0f;
    };
    if (!area(0, 1, 2) || (corners == 4 && !area(0, 2, 3))) {
      warning("obj.degenerate-triangle", "a triangle without area: its flat normal is 0, 0, 0");
    }
    if (outsideUnitSquare_) {
      warning("obj.texcoord-outside",
              "texture coordinate " + std::to_string(*outsideUnitSquare_) +
                  " lies outside 0..1: the face reaches out of its material's rectangle");
    }
  }

  // Lists found full while checking, each told once.
  struct FullLists {
    bool positions = false, normals = false, texCoords = false, vertices = false, indices = false;
  };

  std::u16string_view path_;
  std::u16string objDir_;
  ObjModel& model_;
  Lists& lists_;
  InfoMessageSink& messages_;
  ModelDiagnostics& diagnostics_;
  const bool checking_;
  RepairReading* repair_;
  NameEncoding encoding_;
  std::uint32_t line_ = 0;
  FullLists full_;
  // Names view the materials' own fixed storage.
  std::unordered_map<std::string_view, std::int32_t> materialByName_;
  std::int32_t materialsIndexed_ = 0;
  // Kept while checking only.
  std::vector<bool> usedMaterials_;
  bool toldNoMaterial_ = false;
  std::optional<int> outsideUnitSquare_;  // a texture coordinate number of the current face
  std::optional<Overflow> overflow_;      // the list a conversion found full
  std::optional<MaterialMapping> mapping_;
  bool mappingStale_ = true;
  std::vector<Corner> repairCorners_;  // of the face being read
  bool ended_ = false;                 // a token of the face named no position
};

void reportUnread(std::u16string_view path, Result read, ModelDiagnostics& diagnostics) {
  if (read == kFileTooLong) {
    diagnostics.error(
        path, 0, "obj.unreadable",
        "the OBJ file is longer than " + std::to_string(kLongestModelFile) + " bytes");
  } else if (read == kUtf16Text) {
    diagnostics.error(
        path, 0, "obj.utf16",
        "the OBJ file is UTF-16 text, which is not read: " + std::string(kSaveAsAnsiOrUtf8));
  } else if (failed(read) && !diagnostics.stopped()) {
    diagnostics.error(path, 0, "obj.unreadable", "the OBJ file cannot be read");
  }
}

// Nothing is reported of a reading that its progress cancelled.
template <typename Lists>
Result readObjStatements(std::u16string_view path, ObjModel& model, Lists& lists,
                         InfoMessageSink& messages, ModelDiagnostics& diagnostics,
                         RepairReading* repair, NameEncoding encoding, Progress& progress) {
  ObjReading<Lists> reading(path, model, lists, messages, diagnostics, repair, encoding);
  const Result result = readLinePieces(
      path, [&reading](LinePieces& piece) { return reading.statement(piece); }, progress);
  if (result == kCancelled) return kCancelled;
  reportUnread(path, result, diagnostics);
  reading.finish();
  return result;
}

}  // namespace

Result readObjFile(std::u16string_view path, ObjModel& model, InfoMessageSink& messages,
                   ModelDiagnostics& diagnostics, RepairReading* repair, Progress& progress) {
  model.smoothing = 0;
  if (path.size() > kLongestPath) {
    diagnostics.error(path, 0, "path.too-long",
                      "the path is longer than " + std::to_string(kLongestPath) + " units");
    return kFailure;
  }
  NameEncoding encoding = NameEncoding::CodePage;
  if (repair) {
    if (const auto whole = readModelFile(path, kLongestModelFile)) {
      encoding = nameEncodingOf({reinterpret_cast<const char*>(whole->data()), whole->size()});
    }
  }
  Result result = kSuccess;
  if (repair) {
    result = readObjStatements(path, model, repair->mesh, messages, diagnostics, repair, encoding,
                               progress);
  } else {
    result =
        readObjStatements(path, model, model, messages, diagnostics, repair, encoding, progress);
  }
  if (result == kCancelled) return kCancelled;
  return diagnostics.hasError() ? kFailure : kSuccess;
}

bool isObjPath(std::u16string_view path) {
  return equalIgnoringCase(splitPath(path).extension, u".obj");
}

}  // namespace qel
