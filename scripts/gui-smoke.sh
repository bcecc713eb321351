#!/usr/bin/env bash
# Walks the desktop program as a new user would, in a virtual X server (Xvfb) driven with
# xdotool: first start with no settings, a refused and an accepted workshop name, the save
# picker, the About box, the question of New, a whole part made, saved and reopened, and
# closing the window. Every step waits for its window to appear or go, with a timeout. Screenshots of each step go to the folder
# given second (default: gui-smoke beside the program).
#
#   scripts/gui-smoke.sh build/default/frontends/qt/qelcontainer [screenshot folder]
set -euo pipefail

program=$(realpath "${1:?usage: gui-smoke.sh path/to/qelcontainer [screenshot folder]}")
shots=$(realpath -m "${2:-$(dirname "$program")/gui-smoke}")
limit=${SMOKE_TIMEOUT:-20}  # seconds for any one window to appear or go
mkdir -p "$shots"

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "gui-smoke: FAILED: $*" >&2
  [ -s "$work/app.log" ] && sed 's/^/  program: /' "$work/app.log" >&2
  if [ -n "${DISPLAY:-}" ]; then import -window root "$shots/failure.png" 2>/dev/null || true; fi
  exit 1
}
step() { echo "gui-smoke: $*"; }

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

# A virtual X server on a free display number, which it reports once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq $((limit * 10))); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb reported no display"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY

# A new user: empty settings and home folders.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
settings_file="$XDG_CONFIG_HOME/K.DORAN/APP/QELCONTAINER.conf"

# The visible window titled exactly $1, once it is there.
window() {
  timeout "$limit" xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 ||
    fail "no window titled '$1'"
}
gone() {
  for _ in $(seq $((limit * 10))); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window '$1' did not close"
}
# The program writes after its picker has closed: wait for the file.
file_appears() {
  for _ in $(seq $((limit * 10))); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  fail "no file $1"
}
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
shot() { import -window root "$shots/$1.png"; }

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

"$program" >"$work/app.log" 2>&1 &
app_pid=$!

step "first start asks for the workshop name"
prompt=$(window "工房名の設定")
shot 01-workshop-prompt
focus "$prompt"
xdotool type --delay 20 "test"
xdotool key Return

step "a prohibited name is refused under 設定 and the prompt returns"
refusal=$(window "設定")
shot 02-name-refused
focus "$refusal"
xdotool key Return
gone "設定"
prompt=$(window "工房名の設定")
[ -e "$settings_file" ] && fail "a refused name was written to the settings"
focus "$prompt"
xdotool key ctrl+a
xdotool type --delay 20 "SmokeWorks"
xdotool key Return

step "an allowed name opens the main window and is kept"
main=$(window "ノルカ")
shot 03-main-window
grep -q '^maker=SmokeWorks$' "$settings_file" 2>/dev/null ||
  fail "the name is not in $settings_file"

step "Ctrl+S opens the save picker"
focus "$main"
xdotool key ctrl+s
picker=$(window "コンテナファイルを保存する")
shot 04-save-picker
focus "$picker"
xdotool key Escape
gone "コンテナファイルを保存する"

step "Alt+/ opens the About box"
focus "$main"
xdotool key alt+slash
about=$(window "バージョン情報 QELContainer")
shot 05-about
focus "$about"
xdotool key Return
gone "バージョン情報 QELContainer"

step "Ctrl+N asks before clearing the container"
focus "$main"
xdotool key ctrl+n
question=$(window "コンテナ初期化")
shot 06-new-question
focus "$question"
xdotool key Escape
gone "コンテナ初期化"

# A whole part, made as a user makes it: names, parameters, model, side view, save; then New,
# Open, and the status view must look exactly as it did after the save.
parts="$work/parts"
mkdir -p "$parts"
convert -size 64x32 xc:orange "$parts/texture.png"
convert -size 200x64 xc:skyblue "$parts/side.png"
printf 'newmtl body\nKd 1 1 1\nmap_Kd texture.png\n' >"$parts/box.mtl"
printf 'mtllib box.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nusemtl body\nf 1/1 2/2 3/3\nf 1/1 3/3 4/4\n' >"$parts/box.obj"

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
# Types a path into the picker titled $1 and accepts it.
pick() {
  local picker
  picker=$(window "$1")
  focus "$picker"
  xdotool key ctrl+a
  xdotool type --delay 10 "$2"
  xdotool key Return
  gone "$1"
}

step "a whole part: container name, parameters, model, side view, save"
menu_item s 0 "コンテナ名の設定"
dialog=$(window "コンテナ名の設定")
focus "$dialog"
xdotool type --delay 10 "SmokeBox"
xdotool key Return
gone "コンテナ名の設定"
menu_item s 1 "パラメーター設定"
dialog=$(window "パラメーター設定")
focus "$dialog"
xdotool key Tab Tab Down Tab ctrl+a
xdotool type --delay 10 "12192"
xdotool key Tab
xdotool type --delay 10 "smoke"
shot 07-parameters
xdotool key Return
gone "パラメーター設定"
menu_item s 2 "Wavefront OBJファイルを開く"
pick "Wavefront OBJファイルを開く" "$parts/box.obj"
settle
import -window "$main" "$shots/07-model-set.png"
# The preview pane stands at x = 640 at the top of the status view, which fills the window
# below its menu bar and is 600 pixels high: the model is drawn over its backdrop, and the
# orange texture shows at its pixel size below it.
pane_top=$(($(identify -format %h "$shots/07-model-set.png") - 600))
model_colours=$(convert "$shots/07-model-set.png" -crop "520x320+648+$((pane_top + 8))" +repage \
  -format %k info:)
[ "$model_colours" -ge 2 ] || fail "the preview pane shows no model ($model_colours colours)"
texel=$(convert "$shots/07-model-set.png" -format "%[pixel:p{650,$((pane_top + 338))}]" info:)
case "$texel" in
  "srgb(255,165,0)" | orange) ;;
  *) fail "the preview pane shows no texture ($texel)" ;;
esac
menu_item s 4 "サイドビューファイルを開く"
pick "サイドビューファイルを開く" "$parts/side.png"
focus "$main"
xdotool key ctrl+s
pick "コンテナファイルを保存する" "$parts/part"
file_appears "$parts/part.cnt"
settle
import -window "$main" "$shots/08-saved.png"

step "the saved part reopens as it was, and its texture exports byte for byte"
focus "$main"
xdotool key ctrl+n
question=$(window "コンテナ初期化")
focus "$question"
xdotool key Return
gone "コンテナ初期化"
focus "$main"
xdotool key ctrl+o
pick "コンテナファイルを開く" "$parts/part.cnt"
settle
import -window "$main" "$shots/09-reopened.png"
difference=$(compare -metric AE "$shots/08-saved.png" "$shots/09-reopened.png" null: 2>&1 || true)
[ "$difference" = "0" ] || fail "the reopened part shows differently ($difference pixels)"
menu_item s 5 "テクスチャーファイルを保存する"
pick "テクスチャーファイルを保存する" "$parts/exported.png"
file_appears "$parts/exported.png"
cmp -s "$parts/texture.png" "$parts/exported.png" || fail "the exported texture differs"

step "closing the window ends the program with exit code 0"
close_window "$main"
for _ in $(seq $((limit * 10))); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program still runs after its window was closed"
set +e
wait "$app_pid"
status=$?
set -e
app_pid=""
[ "$status" -eq 0 ] || fail "exit code $status"
step "passed; screenshots in $shots"
