#include "model/repair_notes.h"

namespace qel {

std::string_view englishText(ImageFault fault) {
  switch (fault) {
    case ImageFault::Missing:
      break;
    case ImageFault::NotAnImage:
      return "is not an image in JPEG, PNG, BMP, TGA or GIF";
    case ImageFault::TooLarge:
      return "is larger than the repair decodes";
    case ImageFault::TooMuchWork:
      return "is a JPEG of more scans than the repair decodes";
    case ImageFault::Damaged:
      return "is damaged";
  }
  return "is missing or cannot be read";
}

}  // namespace qel
