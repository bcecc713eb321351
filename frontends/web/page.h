#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The page's side, as the page's script gives it to the program. Texts go both ways as UTF-16
// units. The calls marked "waits" return once the author has answered; the program stands
// still meanwhile, as under a modal window.

#define QEL_PAGE(name) __attribute__((import_module("page"), import_name(#name)))

extern "C" {

// The window: its title and menus, and the canvas of its client area, at least
// minimumWidth x minimumHeight pixels.
QEL_PAGE(open_window)
void pageOpenWindow(const char16_t* title, std::size_t length, int minimumWidth, int minimumHeight);
QEL_PAGE(add_menu) void pageAddMenu(const char16_t* caption, std::size_t length);
// An item of the last menu added; command 0 is a separator line.
QEL_PAGE(add_menu_item)
void pageAddMenuItem(int command, const char16_t* caption, std::size_t length);
// Starts the items listed above the item beforeCommand, in place of the last list.
QEL_PAGE(begin_menu_list) void pageBeginMenuList(int beforeCommand);
QEL_PAGE(add_menu_list_item)
void pageAddMenuListItem(int command, const char16_t* caption, std::size_t length);
QEL_PAGE(clear_canvas) void pageClearCanvas();
QEL_PAGE(draw_text) void pageDrawText(int x, int y, const char16_t* text, std::size_t length);
QEL_PAGE(draw_picture)
void pageDrawPicture(int x, int y, int width, int height, const std::uint8_t* rgba);
QEL_PAGE(start_timer) void pageStartTimer(int milliseconds);
// Whether the part holds changes that a reload or close of the page would lose.
QEL_PAGE(set_unsaved) void pageSetUnsaved(int unsaved);

// Waits for the next event of the window; answers its kind (PageEvent), its values by index.
QEL_PAGE(wait_event) int pageWaitEvent();
QEL_PAGE(event_value) int pageEventValue(int index);

// Files the author dropped or picked, with the paths the page gave them.
QEL_PAGE(incoming_count) int pageIncomingCount();
// Copies up to capacity units of the path; answers its whole length.
QEL_PAGE(incoming_path)
std::size_t pageIncomingPath(int index, char16_t* into, std::size_t capacity);
QEL_PAGE(incoming_size) double pageIncomingSize(int index);
QEL_PAGE(incoming_copy) void pageIncomingCopy(int index, std::uint8_t* into);

// A file the program wrote, offered to the author as a download.
QEL_PAGE(download)
void pageDownload(const char16_t* name, std::size_t nameLength, const std::uint8_t* bytes,
                  std::size_t size);

// Boxes: a caption, a text, a picture or a field, and buttons. Waits; answers the index of
// the button, the last one for Escape.
QEL_PAGE(open_box)
void pageOpenBox(const char16_t* caption, std::size_t captionLength, const char16_t* text,
                 std::size_t textLength);
QEL_PAGE(add_box_button) void pageAddBoxButton(const char16_t* label, std::size_t length);
QEL_PAGE(add_box_picture) void pageAddBoxPicture(int width, int height, const std::uint8_t* rgba);
QEL_PAGE(add_box_field) void pageAddBoxField(const char16_t* text, std::size_t length);
QEL_PAGE(run_box) int pageRunBox();
// The field's text once the box has closed; as pageIncomingPath.
QEL_PAGE(box_field_text) std::size_t pageBoxFieldText(char16_t* into, std::size_t capacity);

// Lets the author pick files to open (accept: the extensions, e.g. ".obj,.mtl,.png"); they
// come in as incoming files. Waits; answers their count, 0 when cancelled.
QEL_PAGE(pick_files) int pagePickFiles(const char16_t* accept, std::size_t length);

// A modal dialog of controls placed in dialog units, then its events.
QEL_PAGE(open_dialog)
void pageOpenDialog(const char16_t* title, std::size_t length, int width, int height);
QEL_PAGE(add_control)
void pageAddControl(int id, int kind, int x, int y, int width, int height, std::uint32_t style,
                    const char16_t* text, std::size_t length);
QEL_PAGE(show_dialog) void pageShowDialog(int focusFirst);
// Waits; answers a button's identifier, or minus the identifier of a field the author edited.
QEL_PAGE(wait_dialog) int pageWaitDialog();
QEL_PAGE(set_control_text)
void pageSetControlText(int id, const char16_t* text, std::size_t length, int cursor);
QEL_PAGE(control_text) std::size_t pageControlText(int id, char16_t* into, std::size_t capacity);
QEL_PAGE(set_list)
void pageSetList(int id, const char16_t* entries, std::size_t length, int selection);
QEL_PAGE(list_selection) int pageListSelection(int id);
QEL_PAGE(close_dialog) void pageCloseDialog();

// The browser's storage of this page.
QEL_PAGE(read_setting)
int pageReadSetting(const char16_t* key, std::size_t keyLength, char16_t* into,
                    std::size_t capacity);
QEL_PAGE(write_setting)
int pageWriteSetting(const char16_t* key, std::size_t keyLength, const char16_t* value,
                     std::size_t valueLength);

// A progress box over the window while long work runs, with a bar and a cancel button.
// pageStepProgress moves the bar to permille and waits for the page to paint; answers 1 once
// the author has cancelled.
QEL_PAGE(open_progress)
void pageOpenProgress(const char16_t* caption, std::size_t captionLength, const char16_t* text,
                      std::size_t textLength, const char16_t* cancel, std::size_t cancelLength);
QEL_PAGE(step_progress) int pageStepProgress(int permille);
QEL_PAGE(close_progress) void pageCloseProgress();

QEL_PAGE(open_guide) int pageOpenGuide();
QEL_PAGE(quit) void pageQuit();
}

#undef QEL_PAGE

namespace qel::web {

enum class PageEvent { Command = 1, Key, Mouse, Resize, Drop, Timer, Close };

// A text the page hands over with a call like pageIncomingPath(into, capacity).
template <typename Fetch>
std::u16string fetchText(Fetch fetch) {
  std::u16string text(64, u'\0');
  for (;;) {
    const std::size_t length = fetch(text.data(), text.size());
    if (length <= text.size()) {
      text.resize(length);
      return text;
    }
    text.resize(length);
  }
}

}  // namespace qel::web
