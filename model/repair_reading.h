#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/obj_model.h"

namespace qel {

// What the readers keep for the repair, which lays out an atlas of its own once the files
// are read. Given to readObjFile, it also puts the readers in the repair's mode: every
// newmtl makes a material, texture statements take options and names with blanks, and names that
// are UTF-8 are read as such.
struct RepairReading {
  struct Material {
    std::u16string texture;  // map_Kd's file, else the first texture statement's; or empty
    Vector3 diffuse{0.75f, 0.75f, 0.75f};  // Kd, light grey when not given
  };
  std::vector<Material> materials;  // one per MaterialEntry, in the same order
  // Per vertex of the model: its material (-1 for none) and its coordinate as written.
  std::vector<std::int32_t> vertexMaterials;
  std::vector<TexCoord> vertexTexCoords;
  // A face of more than four corners was taken whole, where the exact reading keeps four.
  bool facesSplit = false;
};

}  // namespace qel
