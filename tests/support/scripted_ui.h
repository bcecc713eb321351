#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "app/keyboard_accelerators.h"
#include "platform/ui.h"
#include "resources/menu_command.h"

namespace qel::test {

// What the scripted user does in a dialog before pressing a button.
struct TypeText {  // replaces an edit field's text, typed key by key
  int control;
  std::u16string text;
};
struct ChooseEntry {  // picks the combo box entry with this text
  int control;
  std::u16string text;
};
using DialogInput = std::variant<TypeText, ChooseEntry>;

struct TextLine {
  int x = 0;
  int y = 0;
  std::u16string text;
  friend bool operator==(const TextLine&, const TextLine&) = default;
};

struct MessageBoxCall {
  platform::WindowHandle owner = nullptr;
  std::u16string text;
  std::u16string caption;
  platform::MessageBoxButtons buttons = platform::MessageBoxButtons::Ok;
};

// A picture box, which messageBoxes records as well (with OK and キャンセル).
struct PictureShown {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
};

struct ChoiceCall {
  std::u16string text;
  std::vector<std::u16string> buttons;
};

struct PickerCall {
  bool save = false;
  platform::FilePickerRequest request;
};

struct ComboEntry {
  std::u16string text;
  std::uint32_t data = 0;
  friend bool operator==(const ComboEntry&, const ComboEntry&) = default;
};

// One modal run of a dialog, as the user saw it when it opened.
struct DialogCall {
  platform::WindowHandle owner = nullptr;
  int templateId = 0;
  std::map<int, std::u16string> textsAtOpen;           // by control id
  std::map<int, std::vector<ComboEntry>> comboAtOpen;  // entries in list order
  std::map<int, int> selectionAtOpen;
  int result = -1;
};

// A platform::Ui that plays the user from a script and records everything the program
// shows. Steps are taken in order: each message box, picker and dialog takes the next step,
// which must be meant for it; the message loop takes commands, keys and closing. A message
// box without a scripted answer is answered OK. When the script runs out, the main loop
// closes the window as the close box would.
class ScriptedUi : public platform::Ui {
 public:
  // Script
  ScriptedUi& answer(int button);           // the next message box
  ScriptedUi& choose(std::u16string path);  // the next picker
  ScriptedUi& cancelPicker();
  ScriptedUi& pressOk(std::vector<DialogInput> inputs = {});  // the next dialog
  ScriptedUi& pressCancel(std::vector<DialogInput> inputs = {});
  // The next dialog: another of its buttons, which may leave it open for the next step.
  ScriptedUi& pressButton(int button, std::vector<DialogInput> inputs = {});
  ScriptedUi& menu(MenuCommand command);  // must be an item of the main menu
  ScriptedUi& sendCommand(int command);   // any identifier, as a stray message would
  ScriptedUi& press(KeyStroke stroke);
  ScriptedUi& closeWindow();
  ScriptedUi& pressChoice(int index);  // the next choice: its button at index
  // Files dropped on the window at (x, y) of the client area.
  ScriptedUi& drop(int x, int y, std::vector<std::u16string> paths);
  ScriptedUi& tick();  // the timer fires once

  bool active = true;  // what isActive answers
  // The user presses キャンセル in the box of long work as soon as the work tells of progress.
  bool cancelLongWork = false;

  bool failWindowCreation = false;

  // Records
  std::vector<MessageBoxCall> messageBoxes;
  std::vector<PictureShown> pictures;
  std::vector<ChoiceCall> choices;
  std::vector<std::u16string> longWorkTexts;     // the text of each runWithProgress
  std::vector<platform::MenuListItem> menuList;  // of the latest setMenuList
  int menuListBefore = 0;
  int timerMilliseconds = 0;  // 0 until the timer is started
  std::vector<PickerCall> pickers;
  std::vector<DialogCall> dialogs;
  std::optional<platform::MainWindowDescription> mainWindow;  // once created
  std::vector<TextLine> screen;                               // lines of the latest paint
  int repaintCount = 0;
  std::vector<bool> commandsHandled;  // what the handler answered, per command delivered
  bool windowDestroyed = false;

  platform::WindowHandle window() const { return &windowToken_; }
  // The text drawn at (x, y) by the latest paint, if any.
  std::optional<std::u16string> textAt(int x, int y) const;
  bool scriptFinished() const { return script_.empty(); }

  // platform::Ui
  int messageBox(platform::WindowHandle owner, std::u16string_view text,
                 std::u16string_view caption, platform::MessageBoxButtons buttons) override;
  int pictureBox(platform::WindowHandle owner, std::u16string_view text,
                 std::u16string_view caption, const platform::RgbaPixels& picture) override;
  int askChoice(platform::WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                std::span<const std::u16string_view> buttons) override;
  std::optional<std::u16string> pickOpenFile(const platform::FilePickerRequest& request) override;
  std::optional<std::u16string> pickSaveFile(const platform::FilePickerRequest& request) override;
  int runModalDialog(platform::WindowHandle owner, int templateId,
                     platform::DialogProcedure& procedure) override;
  // Runs the work at once on the calling thread.
  platform::WorkOutcome runWithProgress(platform::WindowHandle owner, std::u16string_view caption,
                                        std::u16string_view text,
                                        const platform::LongWork& work) override;
  platform::WindowHandle createMainWindow(const platform::MainWindowDescription& description,
                                          platform::MainWindowHandler& handler) override;
  void repaint(platform::WindowHandle window) override;
  void destroyWindow(platform::WindowHandle window) override;
  void setMenuList(platform::WindowHandle window, int beforeCommand,
                   std::span<const platform::MenuListItem> items) override;
  void startTimer(platform::WindowHandle window, int milliseconds) override;
  bool isActive(platform::WindowHandle window) override;
  void postQuit(int exitCode) override;
  int runMessageLoop() override;
  std::u16string programFolder() override { return programFolderPath; }
  bool openInBrowser(std::u16string_view path) override {
    browserPages.emplace_back(path);
    return true;
  }

  std::u16string programFolderPath = u"/nowhere/";
  std::vector<std::u16string> browserPages;

 private:
  struct AnswerBox {
    int button;
  };
  struct AnswerPicker {
    std::optional<std::u16string> path;
  };
  struct FillDialog {
    std::vector<DialogInput> inputs;
    int button;
  };
  struct Command {
    int command;
  };
  struct Key {
    KeyStroke stroke;
  };
  struct Close {};
  struct AnswerChoice {
    int index;
  };
  struct Drop {
    int x, y;
    std::vector<std::u16string> paths;
  };
  struct Tick {};
  using Step = std::variant<AnswerBox, AnswerPicker, FillDialog, Command, Key, Close, AnswerChoice,
                            Drop, Tick>;

  template <typename T>
  std::optional<T> take(const char* expected);
  std::optional<std::u16string> pick(bool save, const platform::FilePickerRequest& request);
  void paint();
  void deliver(int command);

  std::deque<Step> script_;
  int windowToken_ = 0;
  platform::MainWindowHandler* handler_ = nullptr;
  bool quit_ = false;
  int exitCode_ = 0;
};

}  // namespace qel::test
