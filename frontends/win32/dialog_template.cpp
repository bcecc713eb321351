#include "frontends/win32/dialog_template.h"

#include <charconv>
#include <string>

namespace qel::win32 {
namespace {

using resources::ControlKind;

// Predefined window classes, by their atoms.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboBoxClass = 0x0085;

class TemplateWriter {
 public:
  void word(WORD value) { words_.push_back(value); }
  void dword(DWORD value) {
    word(LOWORD(value));
    word(HIWORD(value));
  }
  void text(std::u16string_view text) {
    for (const char16_t unit : text) word(unit);
    word(0);
  }
  void alignToDword() {
    if (words_.size() % 2 != 0) word(0);
  }
  std::vector<WORD> take() { return std::move(words_); }

 private:
  std::vector<WORD> words_;
};

WORD classOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
      return kEditClass;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
      return kButtonClass;
    case ControlKind::ComboBox:
      return kComboBoxClass;
    case ControlKind::Static:
    case ControlKind::Icon:
      break;
  }
  return kStaticClass;
}

DWORD styleOf(const resources::ControlTemplate& control) {
  DWORD style = WS_CHILD | WS_VISIBLE | control.style;
  switch (control.kind) {
    case ControlKind::PushButton:
      return style | BS_PUSHBUTTON;
    case ControlKind::DefaultPushButton:
      return style | BS_DEFPUSHBUTTON;
    case ControlKind::Icon:
      return style | SS_ICON;
    case ControlKind::Edit:
    case ControlKind::Static:
    case ControlKind::ComboBox:
      break;
  }
  return style;
}

void writeControl(TemplateWriter& out, const resources::ControlTemplate& control) {
  out.alignToDword();
  out.dword(0);  // help id
  out.dword(0);  // extended style
  out.dword(styleOf(control));
  for (const int value : {control.x, control.y, control.width, control.height}) {
    out.word(static_cast<WORD>(static_cast<short>(value)));
  }
  out.dword(static_cast<DWORD>(control.id));
  out.word(0xFFFF);
  out.word(classOf(control.kind));
  // An icon control names its icon resource by number.
  int icon = 0;
  const std::string digits(control.text.begin(), control.text.end());
  if (control.kind == ControlKind::Icon &&
      std::from_chars(digits.data(), digits.data() + digits.size(), icon).ec == std::errc()) {
    out.word(0xFFFF);
    out.word(static_cast<WORD>(icon));
  } else {
    out.text(control.text);
  }
  out.word(0);  // no creation data
}

}  // namespace

std::vector<WORD> buildDialogTemplate(const resources::DialogTemplate& dialog) {
  TemplateWriter out;
  out.word(1);       // version
  out.word(0xFFFF);  // extended template
  out.dword(0);      // help id
  out.dword(0);      // extended style
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  if (dialog.centred) style |= DS_CENTER;
  out.dword(style);
  out.word(static_cast<WORD>(dialog.controls.size()));
  for (const int value : {dialog.x, dialog.y, dialog.width, dialog.height}) {
    out.word(static_cast<WORD>(static_cast<short>(value)));
  }
  out.word(0);  // no menu
  out.word(0);  // the dialog class
  out.text(dialog.title);
  out.word(static_cast<WORD>(dialog.fontPointSize));
  out.word(FW_NORMAL);
  out.word(MAKEWORD(FALSE, DEFAULT_CHARSET));
  out.text(dialog.fontName);
  for (const resources::ControlTemplate& control : dialog.controls) writeControl(out, control);
  return out.take();
}

}  // namespace qel::win32
