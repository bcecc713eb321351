#include "model/refusal_text.h"

#include "base/utf.h"

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

}  // namespace qel
