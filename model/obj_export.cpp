#include "model/obj_export.h"

#include <bit>
#include <charconv>
#include <vector>

#include "base/utf.h"
#include "model/texture_mapping.h"

namespace qel {
namespace {

constexpr std::string_view kMaterialName = "material";

// The shortest text that reads back as this double; every float widened to a double
// reads back to itself when rounded to a float again.
void appendNumber(std::string& text, float value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, double{value}).ptr;
  text += ' ';
  text.append(buffer, end);
}

void appendLine(std::string& text, std::string_view keyword, std::initializer_list<float> values) {
  text += keyword;
  for (const float value : values) appendNumber(text, value);
  text += '\n';
}

// The reader makes each face corner a vertex of its own, in order: a triangle gives the
// indices n, n+1, n+2 and a quadrilateral n, n+1, n+2, n, n+2, n+3. The corner counts
// of the faces that give exactly the blob's indices, or nothing when no faces do.
std::optional<std::vector<int>> facesAsRead(const ModelBlobView& blob) {
  std::vector<int> faces;
  std::uint32_t next = 0;
  std::uint32_t at = 0;
  const auto follows = [&](std::initializer_list<std::uint32_t> offsets) {
    if (at + offsets.size() > blob.indexCount()) return false;
    std::uint32_t k = at;
    for (const std::uint32_t offset : offsets) {
      if (blob.index(k++) != next + offset) return false;
    }
    return true;
  };
  while (at < blob.indexCount()) {
    if (follows({0, 1, 2, 0, 2, 3})) {
      faces.push_back(4);
      at += 6;
      next += 4;
    } else if (follows({0, 1, 2})) {
      faces.push_back(3);
      at += 3;
      next += 3;
    } else {
      return std::nullopt;
    }
  }
  if (next != blob.vertexCount()) return std::nullopt;
  return faces;
}

// A corner naming vertex number n (from 1) for position, texture coordinate and normal.
// Without a texture coordinate the reader leaves u and v at 0, which no inset mapping
// gives exactly.
void appendCorner(std::string& text, const ModelBlobView& blob, std::uint32_t vertex) {
  const ModelVertex v = blob.vertex(vertex);
  const std::string n = std::to_string(vertex + 1);
  const bool noTexCoord =
      std::bit_cast<std::uint32_t>(v.u) == 0 && std::bit_cast<std::uint32_t>(v.v) == 0;
  text += ' ';
  text += n;
  text += noTexCoord ? "//" : "/" + n + "/";
  text += n;
}

// The text in pieces: each line is added to the piece, which goes out once it is full.
class PieceOut {
 public:
  explicit PieceOut(const TextPieces& out) : out_(out) {}

  std::string& text() { return piece_; }
  // After each line; false once out stopped.
  bool lineDone() {
    if (piece_.size() < kPieceSize) return true;
    return flush();
  }
  bool flush() {
    const bool taken = out_(piece_);
    piece_.clear();
    return taken;
  }

 private:
  static constexpr std::size_t kPieceSize = std::size_t{1} << 20;
  const TextPieces& out_;
  std::string piece_;
};

}  // namespace

std::string exportedMtlText() {
  return "newmtl " + std::string(kMaterialName) + "\nmap_Kd " + toUtf8(kExportedTextureName) + "\n";
}

std::optional<bool> exportObjText(const ModelBlobView& blob, std::optional<PngSize> textureSize,
                                  const TextPieces& out) {
  // The material that the MTL text gives: the whole texture, which is also the atlas.
  MaterialEntry material{};
  if (textureSize) {
    material.rectWidth = static_cast<float>(textureSize->width);
    material.rectHeight = static_cast<float>(textureSize->height);
  }
  const MaterialMapping mapping(material, material.rectWidth, material.rectHeight);

  PieceOut pieces(out);
  std::string& obj = pieces.text();
  obj = "mtllib " + toUtf8(kExportedMtlName) + "\n";
  for (std::uint32_t i = 0; i < blob.vertexCount(); ++i) {
    const ModelVertex v = blob.vertex(i);
    appendLine(obj, "v", {v.x, v.y, v.z});
    if (!pieces.lineDone()) return std::nullopt;
  }
  for (std::uint32_t i = 0; i < blob.vertexCount(); ++i) {
    const ModelVertex v = blob.vertex(i);
    const TexCoord uv = mapping.unmap({v.u, v.v});
    appendLine(obj, "vt", {uv.u, uv.v});
    if (!pieces.lineDone()) return std::nullopt;
  }
  for (std::uint32_t i = 0; i < blob.vertexCount(); ++i) {
    const ModelVertex v = blob.vertex(i);
    appendLine(obj, "vn", {v.nx, v.ny, v.nz});
    if (!pieces.lineDone()) return std::nullopt;
  }
  obj += "usemtl " + std::string(kMaterialName) + "\ns 1\n";

  const auto faces = facesAsRead(blob);
  if (faces) {
    std::uint32_t vertex = 0;
    for (const int corners : *faces) {
      obj += 'f';
      for (int k = 0; k < corners; ++k) appendCorner(obj, blob, vertex++);
      obj += '\n';
      if (!pieces.lineDone()) return std::nullopt;
    }
  } else {
    for (std::uint32_t i = 0; i < blob.indexCount(); i += 3) {
      obj += 'f';
      for (std::uint32_t k = i; k < i + 3; ++k) appendCorner(obj, blob, blob.index(k));
      obj += '\n';
      if (!pieces.lineDone()) return std::nullopt;
    }
  }
  if (!pieces.flush()) return std::nullopt;
  return faces.has_value();
}

ObjExport exportObjModel(const ModelBlobView& blob, std::optional<PngSize> textureSize) {
  ObjExport result;
  result.mtl = exportedMtlText();
  result.facesAsConverted = *exportObjText(blob, textureSize, [&result](std::string_view piece) {
    result.obj += piece;
    return true;
  });
  return result;
}

}  // namespace qel
