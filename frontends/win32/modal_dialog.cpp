#include "frontends/win32/modal_dialog.h"

#include <algorithm>

#include "frontends/win32/dialog_template.h"
#include "frontends/win32/wide.h"

namespace qel::win32 {
namespace {

class DialogWindow final : public platform::DialogControls {
 public:
  DialogWindow(const resources::DialogTemplate& dialog, platform::DialogProcedure& procedure)
      : dialog_(dialog), procedure_(procedure) {}

  void attach(HWND window) { window_ = window; }
  const resources::DialogTemplate& dialog() const { return dialog_; }
  platform::DialogProcedure& procedure() { return procedure_; }

  void setText(int control, std::u16string_view text) override {
    ::SetDlgItemTextW(window_, control, toWide(text).c_str());
  }
  std::u16string getText(int control, int count) override {
    // count may stand for "the whole text": the buffer takes only what the field holds.
    const int held = ::GetWindowTextLengthW(::GetDlgItem(window_, control));
    const int size = std::min(count, held + 1);
    if (size <= 0) return {};
    std::wstring buffer(static_cast<std::size_t>(size), L'\0');
    const UINT length = ::GetDlgItemTextW(window_, control, buffer.data(), size);
    buffer.resize(length);
    // A character cut in half at the limit is left out whole.
    if (!buffer.empty() && IS_HIGH_SURROGATE(buffer.back())) buffer.pop_back();
    return fromWide(buffer);
  }
  void comboReset(int control) override { send(control, CB_RESETCONTENT, 0, 0); }
  int comboAddString(int control, std::u16string_view text) override {
    const std::wstring wide = toWide(text);
    return static_cast<int>(send(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
  }
  void comboSetItemData(int control, int position, std::uint32_t data) override {
    send(control, CB_SETITEMDATA, static_cast<WPARAM>(position), static_cast<LPARAM>(data));
  }
  std::uint32_t comboItemData(int control, int position) override {
    const LRESULT data = send(control, CB_GETITEMDATA, static_cast<WPARAM>(position), 0);
    return data == CB_ERR ? platform::kComboError : static_cast<std::uint32_t>(data);
  }
  int comboCount(int control) override {
    return static_cast<int>(send(control, CB_GETCOUNT, 0, 0));
  }
  void comboSetSelection(int control, int position) override {
    send(control, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
  }
  int comboSelection(int control) override {
    return static_cast<int>(send(control, CB_GETCURSEL, 0, 0));
  }
  void enable(int control, bool enabled) override {
    ::EnableWindow(::GetDlgItem(window_, control), enabled ? TRUE : FALSE);
  }
  void endDialog(int result) override { ::EndDialog(window_, result); }

 private:
  LRESULT send(int control, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendDlgItemMessageW(window_, control, message, wParam, lParam);
  }

  const resources::DialogTemplate& dialog_;
  platform::DialogProcedure& procedure_;
  HWND window_ = nullptr;
};

INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<DialogWindow*>(lParam);
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    dialog->attach(window);
    for (const resources::ControlTemplate& control : dialog->dialog().controls) {
      if (control.kind == resources::ControlKind::Edit && control.maxLength > 0) {
        ::SendDlgItemMessageW(window, control.id, EM_LIMITTEXT,
                              static_cast<WPARAM>(control.maxLength), 0);
      }
    }
    return dialog->procedure().onInitDialog(*dialog) ? TRUE : FALSE;
  }
  auto* dialog = reinterpret_cast<DialogWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (dialog == nullptr || message != WM_COMMAND) return FALSE;
  // Edit fields and combo boxes notify with codes of their own; the button code that
  // CBN_SELCHANGE shares belongs to owner-drawn buttons, which no template makes.
  switch (HIWORD(wParam)) {
    case BN_CLICKED:
      return dialog->procedure().onCommand(*dialog, LOWORD(wParam)) ? TRUE : FALSE;
    case EN_CHANGE:
    case CBN_SELCHANGE:
      dialog->procedure().onChange(*dialog, LOWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
  return FALSE;
}

}  // namespace

int runTemplateDialog(HINSTANCE instance, HWND owner, const resources::DialogTemplate& dialog,
                      platform::DialogProcedure& procedure) {
  const std::vector<WORD> layout = buildDialogTemplate(dialog);
  DialogWindow window(dialog, procedure);
  const INT_PTR result =
      ::DialogBoxIndirectParamW(instance, reinterpret_cast<LPCDLGTEMPLATEW>(layout.data()), owner,
                                dialogProcedure, reinterpret_cast<LPARAM>(&window));
  return static_cast<int>(result);
}

}  // namespace qel::win32
