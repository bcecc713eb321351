#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <string>

#include "base/utf.h"
#include "dialogs/field_rule.h"
#include "resources/resources.h"

namespace qel::test {
namespace {

using resources::ControlKind;
using resources::ControlTemplate;

struct ControlState {
  const ControlTemplate* control = nullptr;
  std::u16string text;
  std::vector<ComboEntry> entries;
  int selection = -1;
};

// The controls of one dialog while it runs, built from its template.
class ScriptedDialog : public platform::DialogControls {
 public:
  explicit ScriptedDialog(const resources::DialogTemplate& dialog) {
    for (const ControlTemplate& control : dialog.controls) {
      if (control.id < 0) continue;
      ControlState state;
      state.control = &control;
      state.text = control.text;
      controls_[control.id] = state;
    }
  }

  void setText(int control, std::u16string_view text) override {
    // As on Windows, text set by the program is not cut to the typing limit.
    if (ControlState* state = find(control)) state->text = text;
  }
  std::u16string getText(int control, int count) override {
    ControlState* state = find(control);
    if (!state || count <= 0) return {};
    return std::u16string(wholeCharactersWithin(state->text, static_cast<std::size_t>(count - 1)));
  }
  void comboReset(int control) override {
    if (ControlState* state = combo(control)) {
      state->entries.clear();
      state->selection = -1;
      state->text.clear();
    }
  }
  int comboAddString(int control, std::u16string_view text) override {
    ControlState* state = combo(control);
    if (!state) return -1;
    const auto position = static_cast<std::ptrdiff_t>(sortedListPosition(
        state->entries.size(),
        [state](std::size_t at) -> const std::u16string& { return state->entries[at].text; },
        text));
    state->entries.insert(state->entries.begin() + position, ComboEntry{std::u16string(text), 0});
    if (state->selection >= position) ++state->selection;
    return static_cast<int>(position);
  }
  void comboSetItemData(int control, int position, std::uint32_t data) override {
    ControlState* state = combo(control);
    if (state && inRange(*state, position)) state->entries[position].data = data;
  }
  std::uint32_t comboItemData(int control, int position) override {
    ControlState* state = combo(control);
    if (!state || !inRange(*state, position)) return platform::kComboError;
    return state->entries[position].data;
  }
  int comboCount(int control) override {
    ControlState* state = combo(control);
    return state ? static_cast<int>(state->entries.size()) : 0;
  }
  void comboSetSelection(int control, int position) override {
    ControlState* state = combo(control);
    if (!state) return;
    state->selection = inRange(*state, position) ? position : -1;
    state->text = state->selection >= 0 ? state->entries[position].text : u"";
  }
  int comboSelection(int control) override {
    ControlState* state = combo(control);
    return state ? state->selection : -1;
  }

  void endDialog(int result) override {
    ended = true;
    endResult = result;
  }

  // The user's side.
  void apply(const DialogInput& input) {
    if (const auto* typed = std::get_if<TypeText>(&input)) {
      type(*typed);
    } else {
      choose(std::get<ChooseEntry>(input));
    }
  }

  void snapshot(DialogCall& call) const {
    for (const auto& [id, state] : controls_) {
      call.textsAtOpen[id] = state.text;
      if (state.control->kind == ControlKind::ComboBox) {
        call.comboAtOpen[id] = state.entries;
        call.selectionAtOpen[id] = state.selection;
      }
    }
  }

  bool ended = false;
  int endResult = -1;

 private:
  ControlState* find(int control) {
    const auto found = controls_.find(control);
    if (found != controls_.end()) return &found->second;
    ADD_FAILURE() << "the dialog has no control " << control;
    return nullptr;
  }
  ControlState* combo(int control) {
    ControlState* state = find(control);
    if (state && state->control->kind != ControlKind::ComboBox) {
      ADD_FAILURE() << "control " << control << " is not a combo box";
      return nullptr;
    }
    return state;
  }
  static bool inRange(const ControlState& state, int position) {
    return position >= 0 && position < static_cast<int>(state.entries.size());
  }

  // An edit field takes what its rule lets through.
  void type(const TypeText& typed) {
    ControlState* state = find(typed.control);
    if (!state) return;
    if (state->control->kind != ControlKind::Edit) {
      ADD_FAILURE() << "control " << typed.control << " takes no typing";
      return;
    }
    // The whole text, selected as a dialog's field opens, is deleted and the text put in.
    state->text = acceptEdit(fieldRuleOf(*state->control), u"", typed.text).text;
  }

  void choose(const ChooseEntry& chosen) {
    ControlState* state = combo(chosen.control);
    if (!state) return;
    const auto found =
        std::find_if(state->entries.begin(), state->entries.end(),
                     [&](const ComboEntry& entry) { return entry.text == chosen.text; });
    if (found == state->entries.end()) {
      ADD_FAILURE() << "the list offers no entry " << toUtf8(chosen.text);
      return;
    }
    comboSetSelection(chosen.control, static_cast<int>(found - state->entries.begin()));
  }

  std::map<int, ControlState> controls_;
};

class RecordingSink : public platform::TextSink {
 public:
  explicit RecordingSink(std::vector<TextLine>& lines) : lines_(lines) {}
  void textOut(int x, int y, std::u16string_view text) override {
    lines_.push_back({x, y, std::u16string(text)});
  }

 private:
  std::vector<TextLine>& lines_;
};

}  // namespace

ScriptedUi& ScriptedUi::answer(int button) {
  script_.push_back(AnswerBox{button});
  return *this;
}
ScriptedUi& ScriptedUi::choose(std::u16string path) {
  script_.push_back(AnswerPicker{std::move(path)});
  return *this;
}
ScriptedUi& ScriptedUi::cancelPicker() {
  script_.push_back(AnswerPicker{std::nullopt});
  return *this;
}
ScriptedUi& ScriptedUi::pressOk(std::vector<DialogInput> inputs) {
  script_.push_back(FillDialog{std::move(inputs), platform::kIdOk});
  return *this;
}
ScriptedUi& ScriptedUi::pressCancel(std::vector<DialogInput> inputs) {
  script_.push_back(FillDialog{std::move(inputs), platform::kIdCancel});
  return *this;
}
ScriptedUi& ScriptedUi::pressButton(int button, std::vector<DialogInput> inputs) {
  script_.push_back(FillDialog{std::move(inputs), button});
  return *this;
}
ScriptedUi& ScriptedUi::menu(MenuCommand command) {
  bool inMenu = false;
  for (const resources::Menu& dropDown : resources::findMenu(resources::kMainMenu)) {
    for (const resources::MenuItem& item : dropDown.items) {
      inMenu = inMenu || item.command == commandId(command);
    }
  }
  EXPECT_TRUE(inMenu) << "no menu item sends " << commandId(command);
  return sendCommand(commandId(command));
}
ScriptedUi& ScriptedUi::sendCommand(int command) {
  script_.push_back(Command{command});
  return *this;
}
ScriptedUi& ScriptedUi::press(KeyStroke stroke) {
  script_.push_back(Key{stroke});
  return *this;
}
ScriptedUi& ScriptedUi::closeWindow() {
  script_.push_back(Close{});
  return *this;
}

ScriptedUi& ScriptedUi::pressChoice(int index) {
  script_.push_back(AnswerChoice{index});
  return *this;
}
ScriptedUi& ScriptedUi::drop(int x, int y, std::vector<std::u16string> paths) {
  script_.push_back(Drop{x, y, std::move(paths)});
  return *this;
}
ScriptedUi& ScriptedUi::tick() {
  script_.push_back(Tick{});
  return *this;
}

std::optional<std::u16string> ScriptedUi::textAt(int x, int y) const {
  for (const TextLine& line : screen) {
    if (line.x == x && line.y == y) return line.text;
  }
  return std::nullopt;
}

template <typename T>
std::optional<T> ScriptedUi::take(const char* expected) {
  if (script_.empty() || !std::holds_alternative<T>(script_.front())) {
    ADD_FAILURE() << "the program showed " << expected << " that the script did not expect";
    return std::nullopt;
  }
  T step = std::get<T>(script_.front());
  script_.pop_front();
  return step;
}

int ScriptedUi::messageBox(platform::WindowHandle owner, std::u16string_view text,
                           std::u16string_view caption, platform::MessageBoxButtons buttons) {
  messageBoxes.push_back({owner, std::u16string(text), std::u16string(caption), buttons});
  if (!script_.empty() && std::holds_alternative<AnswerBox>(script_.front())) {
    const int button = std::get<AnswerBox>(script_.front()).button;
    script_.pop_front();
    return button;
  }
  return platform::kIdOk;
}

int ScriptedUi::pictureBox(platform::WindowHandle owner, std::u16string_view text,
                           std::u16string_view caption, const platform::RgbaPixels& picture) {
  pictures.push_back({picture.width, picture.height, {picture.bytes.begin(), picture.bytes.end()}});
  return messageBox(owner, text, caption, platform::MessageBoxButtons::OkCancel);
}

int ScriptedUi::askChoice(platform::WindowHandle owner, std::u16string_view text,
                          std::u16string_view, std::span<const std::u16string_view> buttons) {
  EXPECT_EQ(owner, window());
  choices.push_back({std::u16string(text), {buttons.begin(), buttons.end()}});
  const auto step = take<AnswerChoice>("a choice");
  return step ? step->index : static_cast<int>(buttons.size()) - 1;
}

std::optional<std::u16string> ScriptedUi::pick(bool save,
                                               const platform::FilePickerRequest& request) {
  pickers.push_back({save, request});
  const auto step = take<AnswerPicker>("a file picker");
  return step ? step->path : std::nullopt;
}

std::optional<std::u16string> ScriptedUi::pickOpenFile(const platform::FilePickerRequest& request) {
  return pick(false, request);
}

std::optional<std::u16string> ScriptedUi::pickSaveFile(const platform::FilePickerRequest& request) {
  return pick(true, request);
}

platform::WorkOutcome ScriptedUi::runWithProgress(platform::WindowHandle, std::u16string_view,
                                                  std::u16string_view text,
                                                  const platform::LongWork& work) {
  longWorkTexts.emplace_back(text);
  class Box final : public Progress {
   public:
    explicit Box(bool cancel) : cancel_(cancel) {}
    bool advance(std::uint64_t, std::uint64_t) override { return !cancel_; }

   private:
    bool cancel_;
  };
  Box box(cancelLongWork);
  work(box);
  return cancelLongWork ? platform::WorkOutcome::Cancelled : platform::WorkOutcome::Completed;
}

int ScriptedUi::runModalDialog(platform::WindowHandle owner, int templateId,
                               platform::DialogProcedure& procedure) {
  const resources::DialogTemplate* dialogTemplate = resources::findDialog(templateId);
  if (!dialogTemplate) return -1;
  ScriptedDialog dialog(*dialogTemplate);
  DialogCall call;
  call.owner = owner;
  call.templateId = templateId;
  procedure.onInitDialog(dialog);
  dialog.snapshot(call);
  dialogs.push_back(call);
  const std::size_t index = dialogs.size() - 1;
  // The dialog stays open until the procedure ends it, taking one scripted press at a time.
  while (!dialog.ended) {
    const auto step = take<FillDialog>("a dialog");
    if (!step) return -1;
    for (const DialogInput& input : step->inputs) {
      dialog.apply(input);
      procedure.onChange(dialog, std::visit([](const auto& in) { return in.control; }, input));
    }
    procedure.onCommand(dialog, step->button);
  }
  dialogs[index].result = dialog.endResult;
  return dialog.endResult;
}

platform::WindowHandle ScriptedUi::createMainWindow(
    const platform::MainWindowDescription& description, platform::MainWindowHandler& handler) {
  if (failWindowCreation) return nullptr;
  mainWindow = description;
  handler_ = &handler;
  // The window opens at its first size, and the pane is placed in it.
  const platform::ClientArea first = handler.firstClientArea();
  handler.placePreviewPane(first.width, first.height);
  paint();
  return window();
}

void ScriptedUi::paint() {
  screen.clear();
  RecordingSink sink(screen);
  handler_->onPaint(window(), sink);
}

void ScriptedUi::repaint(platform::WindowHandle target) {
  EXPECT_EQ(target, window());
  ++repaintCount;
  if (handler_ && !windowDestroyed) paint();
}

void ScriptedUi::destroyWindow(platform::WindowHandle target) {
  EXPECT_EQ(target, window());
  if (!handler_ || windowDestroyed) return;
  windowDestroyed = true;
  handler_->onDestroy(target);
}

void ScriptedUi::setMenuList(platform::WindowHandle target, int beforeCommand,
                             std::span<const platform::MenuListItem> items) {
  EXPECT_EQ(target, window());
  menuListBefore = beforeCommand;
  menuList.assign(items.begin(), items.end());
}

void ScriptedUi::startTimer(platform::WindowHandle target, int milliseconds) {
  EXPECT_EQ(target, window());
  timerMilliseconds = milliseconds;
}

bool ScriptedUi::isActive(platform::WindowHandle) {
  return active;
}

void ScriptedUi::postQuit(int exitCode) {
  quit_ = true;
  exitCode_ = exitCode;
}

void ScriptedUi::deliver(int command) {
  commandsHandled.push_back(handler_->onCommand(window(), command));
}

int ScriptedUi::runMessageLoop() {
  while (!quit_) {
    if (script_.empty()) {
      if (windowDestroyed) {
        ADD_FAILURE() << "the window is gone but the message loop goes on";
        return -1;
      }
      destroyWindow(window());
      continue;
    }
    const Step step = script_.front();
    script_.pop_front();
    if (const auto* command = std::get_if<Command>(&step)) {
      deliver(command->command);
    } else if (const auto* key = std::get_if<Key>(&step)) {
      const auto table = resources::findAccelerators(mainWindow->accelerators);
      if (const auto command = translateAccelerator(table, key->stroke)) deliver(*command);
    } else if (const auto* drop = std::get_if<Drop>(&step)) {
      handler_->onDropFiles(window(), drop->x, drop->y, drop->paths);
    } else if (std::holds_alternative<Tick>(step)) {
      if (timerMilliseconds > 0) handler_->onTimer(window());
    } else if (std::holds_alternative<Close>(step)) {
      if (handler_->onCloseRequest(window())) destroyWindow(window());
    } else {
      ADD_FAILURE() << "the script answers a window that the program did not show";
    }
  }
  return exitCode_;
}

}  // namespace qel::test
