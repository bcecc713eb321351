#pragma once

#include <cstdint>
#include <string>

#include "image/png_check.h"

namespace qel {

// A list of the working model that can be full.
enum class ModelList { None, Positions, Normals, TexCoords, Triangles, Materials };

// What a message needs beyond the code and the place of a conversion's refusal.
struct RefusalFacts {
  std::u16string subject;  // the file the refusal is about: a material library, a texture
  std::string format;      // what a texture that is no PNG is instead ("JPEG"), when known
  ImageCheck image;        // a texture's size
  ModelList list = ModelList::None;
  std::uint64_t count = 0;      // how many the file holds of list
  std::uint64_t limit = 0;      // how many list takes
  std::uint64_t triangles = 0;  // how many triangles the file holds, when a list was full
};

// Why a material library could not be read.
enum class LibraryFault { NotRead, TooLong, Utf16 };

// Why a model was not converted: the first error, with what its messages need.
struct ModelRefusal {
  std::string code;  // the diagnostic code, such as "obj.capacity"
  std::u16string file;
  std::uint32_t line = 0;
  std::string english;  // one line: "line N: what" for the OBJ file, "PATH line N: what" else
  RefusalFacts facts;
  // A material library that could not be read, which explains a model without materials.
  std::u16string unreadableLibrary;
  LibraryFault libraryFault = LibraryFault::NotRead;
};

}  // namespace qel
