#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "base/fixed_list.h"
#include "base/fixed_text.h"

namespace qel {

inline constexpr std::int32_t kObjListCapacity = 30000;
inline constexpr std::int32_t kMaterialCapacity = 4096;

struct Vector3 {
  float x, y, z;
  bool operator==(const Vector3&) const = default;
};

struct TexCoord {
  float u, v;
  bool operator==(const TexCoord&) const = default;
};

// One material of the model: a rectangle of the shared texture image (the atlas), in
// texels, with its origin at the atlas's lower-left corner.
struct MaterialEntry {
  static constexpr std::size_t kNameCapacity = 64;

  std::array<char, kNameCapacity> name;  // code page 932 bytes, terminated
  PathText texturePath;                  // the texture file tried last
  float rectX, rectY, rectWidth, rectHeight;
  bool textureUnnamed;  // the texture statement names no file

  // Keeps at most 63 bytes of text.
  void setName(std::string_view text);
  std::string_view nameView() const;
};

// One output vertex, laid out as the ModelBlob stores it (32 bytes).
struct ModelVertex {
  float x, y, z;
  float nx, ny, nz;
  float u, v;  // fractions of the atlas, v downwards from its top edge
};
static_assert(sizeof(ModelVertex) == 32);

// The working model of one conversion, with lists of fixed capacity. Several megabytes:
// always on the heap (createObjModel).
struct ObjModel {
  // A triangle takes three entries of the index list.
  static constexpr std::int32_t kTriangleCapacity = kObjListCapacity / 3;

  float atlasWidth, atlasHeight;
  std::int32_t smoothing;        // 0: flat face normals
  std::int32_t currentMaterial;  // -1: none
  FixedList<Vector3, kObjListCapacity> positions;
  FixedList<Vector3, kObjListCapacity> normals;
  FixedList<TexCoord, kObjListCapacity> texCoords;
  FixedList<MaterialEntry, kMaterialCapacity> materials;
  FixedList<ModelVertex, kObjListCapacity> vertices;
  FixedList<std::uint16_t, kObjListCapacity> indices;
};

// Puts a model that was in its initial state and has since been filled back into it,
// clearing only the entries that were written: for a caller that converts many files in
// one model.
void resetObjModel(ObjModel& model);

struct ObjModelRelease {
  void operator()(ObjModel* model) const;
};
using ObjModelPtr = std::unique_ptr<ObjModel, ObjModelRelease>;

// A new ObjModel in its initial state but for the storage of its lists, which is left
// uncleared: a conversion pays only for the entries it uses, not for clearing megabytes.
ObjModelPtr createObjModel();

}  // namespace qel
