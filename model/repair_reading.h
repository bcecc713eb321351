#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/bounded_list.h"
#include "model/obj_model.h"

namespace qel {

// The most triangles the repair reads of a model, to simplify it to the lists' capacity.
inline constexpr std::int32_t kRepairTriangleBound = 2'000'000;

// The lists of a model that the repair reads, past the capacity of ObjModel's, with a vertex
// per face corner as there; a list that would pass kRepairTriangleBound triangles' worth is
// full.
struct RepairMesh {
  static constexpr std::int32_t kCapacity = 3 * kRepairTriangleBound;
  BoundedList<Vector3> positions{kCapacity};
  BoundedList<Vector3> normals{kCapacity};
  BoundedList<TexCoord> texCoords{kCapacity};
  BoundedList<ModelVertex> vertices{kCapacity};
  BoundedList<std::uint32_t> indices{kCapacity};
};

// What the readers keep for the repair, which lays out an atlas of its own once the files
// are read. Given to readObjFile, it also puts the readers in the repair's mode: every
// newmtl makes a material, texture statements take options and names with blanks, and names that
// are UTF-8 are read as such. The faces go to mesh, not to the working model.
struct RepairReading {
  struct Material {
    std::u16string texture;  // map_Kd's file, else the first texture statement's; or empty
    Vector3 diffuse{0.75f, 0.75f, 0.75f};  // Kd, light grey when not given
  };
  std::vector<Material> materials;  // one per MaterialEntry, in the same order
  RepairMesh mesh;
  // Per vertex of the model: its material (-1 for none) and its coordinate as written.
  std::vector<std::int32_t> vertexMaterials;
  std::vector<TexCoord> vertexTexCoords;
  // Per vertex: whether its face took the flat normal (smoothing off).
  std::vector<bool> vertexFlat;
  // A face of more than four corners was taken whole, where the exact reading keeps four.
  bool facesSplit = false;
};

}  // namespace qel
