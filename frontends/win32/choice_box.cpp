#include "frontends/win32/choice_box.h"

#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <string>
#include <vector>

#include "frontends/win32/wide.h"

namespace qel::win32 {
namespace {

// Button identifiers clear of the system's IDOK to IDCONTINUE, but for the last button's:
// IDCANCEL, which Escape and the close box answer (wine's task dialog answers them only
// with a button of that identifier).
constexpr int kFirstButtonId = 100;

int buttonId(std::size_t index, std::size_t count) {
  return index + 1 == count ? IDCANCEL : kFirstButtonId + static_cast<int>(index);
}

}  // namespace

int showChoiceBox(platform::WindowHandle owner, std::u16string_view text,
                  std::u16string_view caption, std::span<const std::u16string_view> buttons) {
  const int last = static_cast<int>(buttons.size()) - 1;
  std::vector<std::wstring> labels;
  for (const std::u16string_view label : buttons) labels.push_back(toWide(label));
  std::vector<TASKDIALOG_BUTTON> taskButtons;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    taskButtons.push_back({buttonId(i, labels.size()), labels[i].c_str()});
  }
  const std::wstring content = toWide(text);
  const std::wstring title = toWide(caption);

  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = toHwnd(owner);
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.pszWindowTitle = title.c_str();
  config.pszContent = content.c_str();
  config.cButtons = static_cast<UINT>(taskButtons.size());
  config.pButtons = taskButtons.data();
  config.nDefaultButton = buttonId(0, taskButtons.size());
  int pressed = 0;
  // A dialog that could not be shown is taken as the last button, which never changes anything.
  if (FAILED(::TaskDialogIndirect(&config, &pressed, nullptr, nullptr))) return last;
  const int index = pressed - kFirstButtonId;
  return index >= 0 && index < last ? index : last;
}

}  // namespace qel::win32
