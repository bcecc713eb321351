#include "model/refusal_text.h"

#include "base/utf.h"
#include "model/line_pieces.h"

namespace qel {

std::string displayPath(std::u16string_view path) {
  std::string text = toUtf8(path);
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return text;
}

std::string refusalAt(std::u16string_view path, std::uint32_t line, std::string_view what) {
  std::string text = displayPath(path);
  text += " line ";
  text += std::to_string(line);
  text += ": ";
  text += what;
  return text;
}

std::string libraryFaultText(LibraryFault fault, std::string_view name) {
  std::string text = "the material library " + std::string(name);
  switch (fault) {
    case LibraryFault::TooLong:
      return text + " is longer than " + std::to_string(kLongestModelFile) + " bytes";
    case LibraryFault::Utf16:
      return text + " is UTF-16 text, which is not read";
    case LibraryFault::NotRead:
      break;
  }
  return text + " cannot be read";
}

}  // namespace qel
