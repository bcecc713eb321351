#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model_refusal.h"

namespace qel {

// Why the repair left an image out; its material is drawn in its colour instead.
enum class ImageFault {
  Missing,      // no such file, or it cannot be read
  NotAnImage,   // not JPEG, PNG, BMP, TGA or GIF
  TooLarge,     // beyond the pixels the repair decodes
  TooMuchWork,  // a JPEG of more scans than its pixels allow decoding
  Damaged,      // cut short or broken inside
};

struct SkippedImage {
  std::u16string path;
  ImageFault fault = ImageFault::Missing;
};

// How the repair reduced a model over capacity to fit.
struct ModelSimplification {
  std::int32_t trianglesBefore = 0;
  std::int32_t trianglesAfter = 0;
  // The largest deviation of the surface, as a share of the model's extent (0.01 is 1%).
  float error = 0.0f;
};

// What the repair did that its offer and the command line tell the author.
struct RepairNotes {
  std::vector<std::u16string> images;  // packed into the part's texture, in order
  // No material names a texture: one image can be taken for every face.
  bool noMaterialTexture = false;
  // That image was found beside the OBJ file, named after it.
  bool imageFoundBeside = false;
  std::vector<SkippedImage> skipped;
  // A material library that could not be read, so its materials are drawn light grey.
  std::u16string unreadableLibrary;
  LibraryFault libraryFault = LibraryFault::NotRead;
  // Set when the model had more triangles than a part takes.
  std::optional<ModelSimplification> simplification;
};

// The fault in a few English words: "is missing", "is damaged".
std::string_view englishText(ImageFault fault);

}  // namespace qel
