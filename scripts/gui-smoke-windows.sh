#!/usr/bin/env bash
# The walk of scripts/gui-smoke.sh with the Windows program under wine, in a virtual X
# server (Xvfb) driven with xdotool: first start with no workshop name in the registry, a
# refused and an accepted name (then read back with `wine reg query`), the save picker, the
# About box, the question of New, a whole part made, saved, reopened and its texture exported
# byte for byte, and the exit code 0. Screenshots of each step go to the folder given second
# (default: gui-smoke beside the program). The steps both walks share are in smoke_walk.sh.
#
#   scripts/gui-smoke-windows.sh build/windows/frontends/win32/qelcontainer.exe [screenshots]
set -euo pipefail

program=$(realpath "${1:?usage: gui-smoke-windows.sh path/to/qelcontainer.exe [screenshot folder]}")
shots=$(realpath -m "${2:-$(dirname "$program")/gui-smoke}")
limit=${SMOKE_TIMEOUT:-30}  # seconds for any one window to appear or go
mkdir -p "$shots"
rm -f "$shots"/*.png

smoke_name=gui-smoke-windows
type_delay=50
# shellcheck source=scripts/smoke_walk.sh
source "$(dirname "$0")/smoke_walk.sh"
begin_walk

start_xvfb

# A new user: a fresh wine prefix (so an empty registry), code page 932 as on the authors'
# systems, and Japanese fonts for the dialog fonts. The prefix is unpacked from an archive of
# one made once and never run in, which takes seconds where making one takes many. (An
# archive, since a prefix's z: drive in the source tree would lead a walk of the tree under
# wine round the whole file system.)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEPREFIX="$work/wine"
pristine="$(dirname "$program")/wine-pristine.tar"
if [ -s "$pristine" ]; then
  tar -xf "$pristine" -C "$work"
else
  mkdir -p "$WINEPREFIX"
  wine cmd /c exit 0 >/dev/null 2>&1
  for font in "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic"; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v "$font" /t REG_SZ /d "Noto Sans CJK JP" /f >/dev/null 2>&1
  done
  wineserver -w  # the registry is on disk once the server has gone
  tar -cf "$pristine.part" -C "$work" wine && mv "$pristine.part" "$pristine"
fi
wineserver -p
wine cmd /c exit 0 >/dev/null 2>&1
settings_key='HKCU\Software\K.DORAN\APP\QELCONTAINER'
stored_maker() {
  wine reg query "$settings_key" /v maker 2>/dev/null | tr -d '\r' | awk '$1 == "maker" {print $3}'
}

# xdotool's --window does not reach wine's windows: focus the window, then send plain keys.
focus() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  sleep 0.3
}
# Wine draws a moment after its window has answered.
settle() { sleep 1; }

# Item $2 (counted from 0, separators skipped) of the menu with mnemonic $1, which opens the
# window titled $3.
menu_item() {
  focus "$main"
  xdotool key "alt+$1"
  sleep 0.5
  for _ in $(seq "$2"); do xdotool key Down; done
  xdotool key Return
  window "$3" >/dev/null
}

start_program() {
  wine "$program" "$@" >"$work/app.log" 2>&1 &
  app_pid=$!
}
cd "$work"
start_program

first_steps

parts="$work/parts"
make_parts "$parts"
winparts="Z:${parts//\//\\}"

step "a whole part: container name, parameters, model, side view, save"
refused_model "$winparts\\huge.obj"

name_and_parameters
menu_item s 2 "Wavefront OBJファイルを開く"
pick "Wavefront OBJファイルを開く" "$winparts\\box.obj"
fit_offer_and_size_dialog
settle
import -window "$main" "$shots/07-model-set.png"
# The preview pane right of the status lines: the model over its slate backdrop, and the
# orange texture at its pixel size below it.
colours=$(convert "$shots/07-model-set.png" -format %c histogram:info:)
grep -q "(64,72,80" <<<"$colours" || fail "the preview pane shows no model backdrop"
grep -q "(255,165,0" <<<"$colours" || fail "the preview pane shows no texture"

step "a drag over the model turns it"
eval "$(xdotool getwindowgeometry --shell "$main")"
# Inside the model's area, whatever the frame and menu bar above the client area take.
xdotool mousemove $((X + 900)) $((Y + 300)) mousedown 1 sleep 0.3 \
  mousemove $((X + 960)) $((Y + 320)) sleep 0.3 mousemove $((X + 1000)) $((Y + 340)) mouseup 1
settle
import -window "$main" "$shots/07-model-turned.png"
turned=$(compare -metric AE "$shots/07-model-set.png" "$shots/07-model-turned.png" null: 2>&1 || true)
[ "$turned" != "0" ] || fail "the model did not turn with the drag"
generated_side_view
menu_item s 5 "サイドビューファイルを開く"
pick "サイドビューファイルを開く" "$winparts\\side.png"
z_up_model "$winparts\\zup.obj"
choice_questions "$winparts\\pentagon.obj" "$parts/zup.obj" "$parts/side.png"
focus "$main"
xdotool key ctrl+s
pick "コンテナファイルを保存する" "$winparts\\part"
file_appears "$parts/part.cnt"
settle
import -window "$main" "$shots/08-saved.png"

cancelled_repair "$winparts\\slow.obj" "$shots/08-saved.png"

reopen_and_export "$winparts\\part.cnt" "$winparts\\exported.png" "$parts/exported.png"

unsaved_question

step "the exit item ends the program with exit code 0"
exit_item
ended_cleanly "the exit item"

file_argument_and_drop "$winparts\\part.cnt" "$parts/part.cnt"
