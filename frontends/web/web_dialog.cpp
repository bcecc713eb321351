#include "frontends/web/web_dialog.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/field_rule.h"
#include "frontends/web/page.h"
#include "resources/resources.h"

namespace qel::web {
namespace {

// The controls as the procedure sees them. The page shows them; the texts of the edit fields
// and the entries of the lists are kept here, where the fields' rules are applied.
class PageDialogControls final : public platform::DialogControls {
 public:
  explicit PageDialogControls(const resources::DialogTemplate& dialog) : dialog_(dialog) {
    for (const resources::ControlTemplate& control : dialog.controls) {
      if (control.kind == resources::ControlKind::Edit) texts_[control.id] = control.text;
    }
  }

  void setText(int control, std::u16string_view text) override {
    texts_[control] = text;
    pageSetControlText(control, text.data(), text.size(), -1);
  }

  std::u16string getText(int control, int count) override {
    std::u16string text = fetchText([control](char16_t* into, std::size_t capacity) {
      return pageControlText(control, into, capacity);
    });
    if (count <= 0) return {};
    if (text.size() > static_cast<std::size_t>(count - 1)) text.resize(count - 1);
    return text;
  }

  void comboReset(int control) override {
    lists_[control] = {};
    showList(control);
  }

  int comboAddString(int control, std::u16string_view text) override {
    List& list = lists_[control];
    std::size_t position = list.entries.size();
    const resources::ControlTemplate* found = templateOf(control);
    if (found != nullptr && (found->style & resources::kComboSort) != 0) {
      position = sortedListPosition(
          list.entries.size(), [&](std::size_t i) { return list.entries[i].text; }, text);
    }
    list.entries.insert(list.entries.begin() + static_cast<std::ptrdiff_t>(position),
                        {std::u16string(text), 0});
    showList(control);
    return static_cast<int>(position);
  }

  void comboSetItemData(int control, int position, std::uint32_t data) override {
    if (Entry* entry = entryAt(control, position)) entry->data = data;
  }

  std::uint32_t comboItemData(int control, int position) override {
    const Entry* entry = entryAt(control, position);
    return entry ? entry->data : platform::kComboError;
  }

  int comboCount(int control) override { return static_cast<int>(lists_[control].entries.size()); }

  void comboSetSelection(int control, int position) override {
    lists_[control].selection = entryAt(control, position) ? position : -1;
    showList(control);
  }

  int comboSelection(int control) override {
    const int selection = pageListSelection(control);
    return entryAt(control, selection) ? selection : -1;
  }

  void endDialog(int result) override { result_ = result; }

  // The author changed a field: it keeps what its rule takes.
  void edited(int control) {
    const resources::ControlTemplate* found = templateOf(control);
    if (found == nullptr) return;
    const std::u16string after = getText(control, INT32_MAX);
    const FieldEdit edit = acceptEdit(fieldRuleOf(*found), texts_[control], after);
    texts_[control] = edit.text;
    if (edit.text != after)
      pageSetControlText(control, edit.text.data(), edit.text.size(),
                         static_cast<int>(edit.cursor));
  }

  std::optional<int> result() const { return result_; }

 private:
  struct Entry {
    std::u16string text;
    std::uint32_t data = 0;
  };
  struct List {
    std::vector<Entry> entries;
    int selection = -1;
  };

  const resources::ControlTemplate* templateOf(int control) const {
    for (const resources::ControlTemplate& candidate : dialog_.controls) {
      if (candidate.id == control) return &candidate;
    }
    return nullptr;
  }

  Entry* entryAt(int control, int position) {
    std::vector<Entry>& entries = lists_[control].entries;
    if (position < 0 || static_cast<std::size_t>(position) >= entries.size()) return nullptr;
    return &entries[static_cast<std::size_t>(position)];
  }

  // The entries go to the page one after another, each ended by a zero unit.
  void showList(int control) {
    std::u16string joined;
    for (const Entry& entry : lists_[control].entries) joined += entry.text + u'\0';
    pageSetList(control, joined.data(), joined.size(), lists_[control].selection);
  }

  const resources::DialogTemplate& dialog_;
  std::map<int, std::u16string> texts_;
  std::map<int, List> lists_;
  std::optional<int> result_;
};

}  // namespace

int runDialog(int templateId, platform::DialogProcedure& procedure) {
  const resources::DialogTemplate* dialog = resources::findDialog(templateId);
  if (dialog == nullptr) return -1;
  pageOpenDialog(dialog->title.data(), dialog->title.size(), dialog->width, dialog->height);
  for (const resources::ControlTemplate& control : dialog->controls) {
    pageAddControl(control.id, static_cast<int>(control.kind), control.x, control.y, control.width,
                   control.height, control.style, control.text.data(), control.text.size());
  }
  PageDialogControls controls(*dialog);
  const bool focusFirst = procedure.onInitDialog(controls);
  pageShowDialog(focusFirst ? 1 : 0);
  while (!controls.result()) {
    const int event = pageWaitDialog();
    if (event < 0) {
      controls.edited(-event);
      procedure.onChange(controls, -event);
    } else {
      procedure.onCommand(controls, event);
    }
  }
  pageCloseDialog();
  return *controls.result();
}

}  // namespace qel::web
