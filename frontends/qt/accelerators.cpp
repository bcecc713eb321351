#include "frontends/qt/accelerators.h"

namespace qel::qt {
namespace {

bool isLetterOrDigit(int key) {
  return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
}

bool isPrintable(char16_t unit) {
  return unit >= 0x20 && unit != 0x7F;
}

// The character typed. With Alt held the platform may report none, and then the key tells it;
// with Ctrl held the key types a control code, which no character entry names.
char16_t typedCharacter(int qtKey, bool shift, bool control, const QString& text) {
  if (text.size() == 1 && isPrintable(text[0].unicode())) return text[0].unicode();
  if (control) return 0;
  if (qtKey >= 'A' && qtKey <= 'Z') return static_cast<char16_t>(shift ? qtKey : qtKey + 0x20);
  if (qtKey >= 0x20 && qtKey < 0x7F) return static_cast<char16_t>(qtKey);
  return 0;
}

}  // namespace

std::optional<int> virtualKeyOf(int qtKey) {
  constexpr int kVirtualHome = 0x24;
  if (qtKey == Qt::Key_Home) return kVirtualHome;
  if (isLetterOrDigit(qtKey)) return qtKey;
  return std::nullopt;
}

std::vector<KeyStroke> keyStrokesOf(int qtKey, Qt::KeyboardModifiers modifiers,
                                    const QString& text) {
  KeyStroke stroke;
  stroke.shift = modifiers.testFlag(Qt::ShiftModifier);
  stroke.control = modifiers.testFlag(Qt::ControlModifier);
  stroke.alt = modifiers.testFlag(Qt::AltModifier);
  std::vector<KeyStroke> strokes;
  if (isLetterOrDigit(qtKey)) {
    stroke.key = static_cast<char16_t>(qtKey);
    strokes.push_back(stroke);
  }
  if (const char16_t character = typedCharacter(qtKey, stroke.shift, stroke.control, text);
      character != 0) {
    stroke.key = character;
    stroke.isCharacter = true;
    strokes.push_back(stroke);
  }
  return strokes;
}

}  // namespace qel::qt
