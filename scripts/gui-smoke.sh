#!/usr/bin/env bash
# Walks the desktop program as a new user would, in a virtual X server (Xvfb) driven with
# xdotool: first start with no settings, a refused and an accepted workshop name, the save
# picker, the About box, the question of New, a whole part made, saved and reopened, and
# closing the window. Every step waits for its window to appear or go, with a timeout.
# Screenshots of each step go to the folder given second (default: gui-smoke beside the
# program). The steps both walks share are in smoke_walk.sh.
#
#   scripts/gui-smoke.sh build/default/frontends/qt/qelcontainer [screenshot folder]
set -euo pipefail

program=$(realpath "${1:?usage: gui-smoke.sh path/to/qelcontainer [screenshot folder]}")
shots=$(realpath -m "${2:-$(dirname "$program")/gui-smoke}")
limit=${SMOKE_TIMEOUT:-20}  # seconds for any one window to appear or go
mkdir -p "$shots"

smoke_name=gui-smoke
type_delay=10
# shellcheck source=scripts/smoke_walk.sh
source "$(dirname "$0")/smoke_walk.sh"
begin_walk

# Without a display the program says what it needs in one line and ends, without a crash.
set +e
no_display=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
status=$?
set -e
if [ "$status" -eq 0 ] || [ "$status" -ge 128 ]; then
  fail "without a display: exit status $status"
fi
[ "$(printf '%s\n' "$no_display" | wc -l)" -eq 1 ] || fail "without a display: '$no_display'"
printf '%s' "$no_display" | grep -q 'xvfb-run' || fail "without a display: '$no_display'"
step "without a display: $no_display"

# Nor when the display named cannot be reached.
set +e
unreachable=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9876 "$program" 2>&1)
status=$?
set -e
if [ "$status" -eq 0 ] || [ "$status" -ge 128 ] || [ "$unreachable" != "$no_display" ]; then
  fail "with an unreachable display: exit status $status, '$unreachable'"
fi

start_xvfb

new_linux_user

# Gives window $1 the keyboard. Without a window manager the program hands the focus back
# itself when a modal window closes; a key pressed before it has done so can be lost, so
# wait for that first (briefly: a window opened by the program itself gets no such hand-over).
focus() {
  for _ in $(seq 10); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && break
    sleep 0.1
  done
  xdotool windowfocus --sync "$1"
}
stored_maker() { sed -n 's/^maker=//p' "$settings_file" 2>/dev/null || true; }

# Asks the window to close, as its close box does (no window manager runs here).
close_window() {
  python3 - "$1" <<'PY'
import ctypes, sys
x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]
class Event(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]
display = x11.XOpenDisplay(None)
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = int(sys.argv[1])
event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x11.XSendEvent(display, event.xclient.window, 0, 0, ctypes.byref(event))
x11.XFlush(display)
x11.XCloseDisplay(display)
PY
}

# Item $2 (counted from 0, separators skipped) of the menu with mnemonic $1, which opens the
# window titled $3.
menu_item() {
  focus "$main"
  xdotool key "alt+$1"
  # The keys go to the drop-down menu once it is open: a window of the program's own beside
  # the main window.
  for _ in $(seq $((limit * 10))); do
    [ "$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.1
  done
  for _ in $(seq "$2"); do xdotool key Down; done
  xdotool key Return
  # A slow program (the sanitizer build) may still be opening the menu when Return comes and
  # let it pass; while the menu stays open without the window, press it again.
  for _ in $(seq "$limit"); do
    if timeout 1 xdotool search --sync --onlyvisible --name "^$3\$" >/dev/null 2>&1; then
      return 0
    fi
    if [ "$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l)" -ge 2 ]; then
      xdotool key Return
    fi
  done
  fail "no window titled '$3'"
}
# Returns once the program has handled everything before: the About box it opens on Alt+/
# comes after the repaints of earlier commands.
settle() {
  local about
  focus "$main"
  xdotool key alt+slash
  about=$(window "バージョン情報 QELContainer")
  focus "$about"
  xdotool key Return
  gone "バージョン情報 QELContainer"
}

start_program() {
  "$program" "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
}
start_program

first_steps

# A whole part, made as a user makes it: names, parameters, model, side view, save; then New,
# Open, and the status view must look exactly as it did after the save.
parts="$work/parts"
make_parts "$parts"

refused_model "$parts/huge.obj"

step "a whole part: container name, parameters, model, side view, save"
name_and_parameters
menu_item s 2 "Wavefront OBJファイルを開く"
pick "Wavefront OBJファイルを開く" "$parts/box.obj"
fit_offer_and_size_dialog
settle
import -window "$main" "$shots/07-model-set.png"
# The status view fills the window below its menu bar, 732 pixels high at the first size;
# the preview pane, 760 x 600, stands at (400, 124) in it: its model area 28 pixels down,
# the orange texture at its pixel size in the bottom-left corner.
pane_top=$(($(identify -format %h "$shots/07-model-set.png") - 732 + 124))
model_colours=$(convert "$shots/07-model-set.png" -crop "760x200+400+$((pane_top + 28))" +repage \
  -format %k info:)
[ "$model_colours" -ge 2 ] || fail "the preview pane shows no model ($model_colours colours)"
texel=$(convert "$shots/07-model-set.png" -format "%[pixel:p{402,$((pane_top + 600 - 254))}]" info:)
case "$texel" in
  "srgb(255,165,0)" | orange) ;;
  *) fail "the preview pane shows no texture ($texel)" ;;
esac
generated_side_view
menu_item s 5 "サイドビューファイルを開く"
pick "サイドビューファイルを開く" "$parts/side.png"
z_up_model "$parts/zup.obj"
choice_questions "$parts/pentagon.obj" "$parts/zup.obj" "$parts/side.png"
focus "$main"
xdotool key ctrl+s
pick "コンテナファイルを保存する" "$parts/part"
file_appears "$parts/part.cnt"
settle
import -window "$main" "$shots/08-saved.png"

cancelled_repair "$parts/slow.obj" "$shots/08-saved.png"

reopen_and_export "$parts/part.cnt" "$parts/exported.png" "$parts/exported.png"

unsaved_question

step "closing the window ends the program with exit code 0"
close_window "$main"
ended_cleanly "its window was closed"

file_argument_and_drop "$parts/part.cnt" "$parts/part.cnt"
