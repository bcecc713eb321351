#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/progress.h"

namespace qel::platform {

// The visible half of the platform: message boxes, file pickers, modal dialogs built from
// the dialog templates of resources/, the main window and its message loop. The program
// above it decides everything; an implementation only shows, asks and reports.

// A window of the implementation's own; nullptr means "no window" (no owner).
using WindowHandle = const void*;

enum class MessageBoxButtons { Ok, OkCancel };

// The answers of message boxes and the identifiers of the two standard dialog buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// File picker flags, with the values the Windows common dialogs give them.
inline constexpr std::uint32_t kPickerOverwritePrompt = 0x0002;
inline constexpr std::uint32_t kPickerHideReadOnly = 0x0004;
inline constexpr std::uint32_t kPickerFileMustExist = 0x1000;

struct FilePickerRequest {
  WindowHandle owner = nullptr;
  std::u16string filterDescription;  // e.g. u"画像ファイル(*.png)"
  std::u16string filterPattern;      // e.g. u"*.png" or u"*.cnt;*.q5c"
  std::u16string path;               // proposed name (the path buffer's content); may be empty
  std::u16string initialFolder;      // empty: the platform chooses
  std::u16string title;
  std::uint32_t flags = 0;
  std::u16string defaultExtension;  // without the dot; appended to a name typed without one
};

// What a dialog procedure may do with the controls of its dialog while it runs.
class DialogControls {
 public:
  virtual ~DialogControls() = default;

  virtual void setText(int control, std::u16string_view text) = 0;
  // At most count - 1 units of the control's text: count includes the terminator.
  virtual std::u16string getText(int control, int count) = 0;

  // Combo box (a sorted drop-down list; sorted by UTF-16 code units).
  virtual void comboReset(int control) = 0;
  // Adds an entry and answers the position the sorted list gave it.
  virtual int comboAddString(int control, std::u16string_view text) = 0;
  virtual void comboSetItemData(int control, int position, std::uint32_t data) = 0;
  // The data of the entry at position; kComboError when there is no such entry.
  virtual std::uint32_t comboItemData(int control, int position) = 0;
  virtual int comboCount(int control) = 0;
  virtual void comboSetSelection(int control, int position) = 0;
  // The selected position, or -1 when none is selected.
  virtual int comboSelection(int control) = 0;

  // Greys a control out or brings it back. The page cannot, and leaves it as it is: a
  // procedure still refuses what a greyed control would have done.
  virtual void enable(int /*control*/, bool /*enabled*/) {}

  // Closes the dialog after the current message; runModalDialog answers result.
  virtual void endDialog(int result) = 0;
};

inline constexpr std::uint32_t kComboError = 0xFFFFFFFF;

// The program's side of a modal dialog.
class DialogProcedure {
 public:
  virtual ~DialogProcedure() = default;
  // The dialog has been built; answer true to let the platform put the focus on the first
  // control of the tab order that takes it.
  virtual bool onInitDialog(DialogControls& dialog) = 0;
  // A button was pressed (kIdCancel also for Escape and the close box); answer true when
  // handled.
  virtual bool onCommand(DialogControls& dialog, int command) = 0;
  // The user changed the text of an edit field or the entry chosen in a list.
  virtual void onChange(DialogControls& /*dialog*/, int /*control*/) {}
};

// Where the status view draws: each text is placed by the top-left corner of its line, in
// pixels from the top-left corner of the client area, in the default font and colours.
class TextSink {
 public:
  virtual ~TextSink() = default;
  virtual void textOut(int x, int y, std::u16string_view text) = 0;
  // A path as textOut draws a text, shortened in the middle with an ellipsis where it would
  // run past the window's right edge; its file name stays whole as long as it fits.
  virtual void pathOut(int x, int y, std::u16string_view path) { textOut(x, y, path); }
};

// A picture of 8-bit RGBA pixels, not premultiplied, rows top to bottom without gaps.
struct RgbaPixels {
  int width = 0;
  int height = 0;
  std::span<const std::uint8_t> bytes;  // width * height * 4
};

// Where the preview pane draws, in pixels from the pane's top-left corner: pictures by
// their top-left corner, texts as the status view's.
class PaneSink : public TextSink {
 public:
  virtual void drawPicture(int x, int y, const RgbaPixels& picture) = 0;
};

// The mouse over the preview pane, in pixels from its top-left corner. A press on the pane
// is followed by its moves and its release wherever the pointer goes.
struct PaneMouse {
  enum class Kind { Press, Move, Release, Wheel };
  enum class Button { Left, Right, Middle };
  Kind kind = Kind::Move;
  Button button = Button::Left;  // of a press
  int x = 0;
  int y = 0;
  int wheelDelta = 0;  // 120 per notch, positive away from the user
};

// A part of the client area, in pixels from its top-left corner.
struct ClientArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The program's side of the main window.
class MainWindowHandler {
 public:
  virtual ~MainWindowHandler() = default;
  virtual void onPaint(WindowHandle window, TextSink& sink) = 0;
  // A menu item or accelerator; answers false to leave it to the default handling.
  virtual bool onCommand(WindowHandle window, int command) = 0;
  // The close box, Alt+F4 or the end of the session asks to close the window; answers
  // whether it may be destroyed.
  virtual bool onCloseRequest(WindowHandle) { return true; }
  // Whether closing now would lose changes: for a window that cannot ask when it closes (a
  // page being left), which only warns.
  virtual bool hasUnsavedChanges() const { return false; }
  // The window is being destroyed (exit item or close box).
  virtual void onDestroy(WindowHandle window) = 0;

  // The size of the client area the window opens with; the user may resize it.
  virtual ClientArea firstClientArea() const { return {0, 0, 800, 360}; }
  // The client area has this size (when the window is made, and whenever it changes):
  // answers where the preview pane lies now, its background the status view's; an empty
  // area: no pane.
  virtual ClientArea placePreviewPane(int /*clientWidth*/, int /*clientHeight*/) { return {}; }
  // The pane, painted with the window after the status view.
  virtual void onPaintPane(WindowHandle, PaneSink&) {}
  // Each answers whether the pane must be painted again.
  virtual bool onPaneMouse(WindowHandle, const PaneMouse&) { return false; }
  // A key pressed without Shift, Ctrl or Alt that is no accelerator, as its Windows
  // virtual-key code (letters and digits by their capital).
  virtual bool onPaneKey(WindowHandle, int /*virtualKey*/) { return false; }

  // Files dropped on the window at (x, y) in the client area, in the order the system gave.
  virtual void onDropFiles(WindowHandle, int /*x*/, int /*y*/,
                           std::span<const std::u16string> /*paths*/) {}
  // The timer of startTimer, also while a modal window of the program is open.
  virtual void onTimer(WindowHandle) {}
};

// An item the program lists in a menu at run time (recent files); "&" marks the mnemonic.
struct MenuListItem {
  int command = 0;
  std::u16string caption;
};

struct MainWindowDescription {
  std::u16string title;
  std::u16string className;
  int menu = 0;          // menu resource
  int accelerators = 0;  // accelerator table resource
  int largeIcon = 0;
  int smallIcon = 0;
};

// Long work of the program, told how far it has come and asked whether to go on through its
// Progress.
using LongWork = std::function<void(Progress&)>;

enum class WorkOutcome { Completed, Cancelled };

// How long work runs before its progress box shows: shorter work shows none.
inline constexpr std::chrono::milliseconds kProgressBoxDelay{500};

class Ui {
 public:
  virtual ~Ui() = default;

  // A modal box; answers kIdOk or kIdCancel.
  virtual int messageBox(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                         MessageBoxButtons buttons) = 0;
  // A modal question with two or three buttons labelled by the program: the first is the
  // default, the last also answers Escape and the close box. Answers the button's index.
  virtual int askChoice(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                        std::span<const std::u16string_view> buttons) = 0;

  // A modal box showing picture below text, with OK and キャンセル; answers kIdOk or
  // kIdCancel.
  virtual int pictureBox(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                         const RgbaPixels& picture) = 0;

  // Modal pickers; nothing when cancelled. The chosen path is handed over whole, also when
  // it is longer than the 259 units a path buffer holds: the program refuses it then.
  virtual std::optional<std::u16string> pickOpenFile(const FilePickerRequest& request) = 0;
  virtual std::optional<std::u16string> pickSaveFile(const FilePickerRequest& request) = 0;

  // Runs work on a thread of its own while the windows keep painting but take no input; once
  // it has run for half a second a modal box with caption, text, a progress bar and
  // キャンセル shows how far it has come, and キャンセル makes its Progress answer false.
  // Returns once work has returned, passing on what it threw: Completed when it was not
  // cancelled. work touches nothing that the windows use, nor this Ui.
  virtual WorkOutcome runWithProgress(WindowHandle owner, std::u16string_view caption,
                                      std::u16string_view text, const LongWork& work) = 0;

  // Builds dialog templateId from resources/ and runs it modally with procedure; answers
  // the result given to endDialog, or -1 when the dialog could not be shown.
  virtual int runModalDialog(WindowHandle owner, int templateId, DialogProcedure& procedure) = 0;

  // Creates, shows and paints the main window with its menu; nullptr on failure.
  virtual WindowHandle createMainWindow(const MainWindowDescription& description,
                                        MainWindowHandler& handler) = 0;
  // Erases the whole client area and paints it at once, before returning.
  virtual void repaint(WindowHandle window) = 0;
  virtual void destroyWindow(WindowHandle window) = 0;
  // Puts items into the menu that holds the item beforeCommand, just above it and followed by
  // a separator when there are any, in place of those of the last call.
  virtual void setMenuList(WindowHandle window, int beforeCommand,
                           std::span<const MenuListItem> items) = 0;
  // Calls the handler's onTimer every milliseconds from now on.
  virtual void startTimer(WindowHandle window, int milliseconds) = 0;
  // Whether the window is the one the user works in: active, with no modal window over it.
  virtual bool isActive(WindowHandle window) = 0;
  // Ends the message loop after the current message, with exitCode.
  virtual void postQuit(int exitCode) = 0;
  // Delivers menu commands and accelerators (of the main window's table) until the quit;
  // answers the quit's exit code.
  virtual int runMessageLoop() = 0;

  // The folder of the running program, ending in its separator.
  virtual std::u16string programFolder() = 0;
  // Shows a local HTML file in the user's browser; false when none could be started.
  virtual bool openInBrowser(std::u16string_view path) = 0;
};

}  // namespace qel::platform
