#include "model/refusal_text.h"

#include "platform/utf.h"

namespace qel {

std::string refusalAt(std::u16string_view path, std::uint32_t line, std::string_view what) {
  std::string text = platform::toUtf8(path);
  text += " line ";
  text += std::to_string(line);
  text += ": ";
  text += what;
  return text;
}

}  // namespace qel
