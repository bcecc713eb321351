#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "image/png_check.h"
#include "model/model_blob_view.h"

namespace qel {

// The files that an exported model consists of, all in one folder.
inline constexpr std::u16string_view kExportedObjName = u"model.obj";
inline constexpr std::u16string_view kExportedMtlName = u"model.mtl";
inline constexpr std::u16string_view kExportedTextureName = u"texture.png";
inline constexpr std::u16string_view kExportedSideViewName = u"sideview.png";

struct ObjExport {
  std::string obj;
  std::string mtl;
  // False when the blob's triangles share vertices, which no OBJ face gives: converting
  // the OBJ then keeps every triangle but gives each corner a vertex of its own.
  bool facesAsConverted = true;
};

// The OBJ and MTL texts of a model whose texture is a PNG of textureSize pixels (nothing
// when there is no readable one). Converting them gives the same ModelBlob again:
// positions and normals (under "s 1") as written, every number in a form that reads back
// to the same float, and texture coordinates laid back out of the texture's inset so
// that the conversion maps them to the blob's own, or to the nearest it can reach.
ObjExport exportObjModel(const ModelBlobView& blob, std::optional<PngSize> textureSize);

// Takes the next piece of a text; answers false to stop.
using TextPieces = std::function<bool(std::string_view piece)>;

// The same OBJ text handed to out in pieces of about a megabyte, for a model larger than
// what should be held as text: facesAsConverted, or nothing when out stopped.
std::optional<bool> exportObjText(const ModelBlobView& blob, std::optional<PngSize> textureSize,
                                  const TextPieces& out);

// The MTL text of every export.
std::string exportedMtlText();

}  // namespace qel
