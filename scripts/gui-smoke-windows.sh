#!/usr/bin/env bash
# The walk of scripts/gui-smoke.sh with the Windows program under wine, in a virtual X
# server (Xvfb) driven with xdotool: first start with no workshop name in the registry, a
# refused and an accepted name (then read back with `wine reg query`), the save picker, the
# About box, the question of New, a whole part made, saved, reopened and its texture exported
# byte for byte, and the exit code 0. Screenshots of each step go to the folder given second
# (default: gui-smoke beside the program).
#
#   scripts/gui-smoke-windows.sh build/windows/frontends/win32/qelcontainer.exe [screenshots]
set -euo pipefail

program=$(realpath "${1:?usage: gui-smoke-windows.sh path/to/qelcontainer.exe [screenshot folder]}")
shots=$(realpath -m "${2:-$(dirname "$program")/gui-smoke}")
limit=${SMOKE_TIMEOUT:-30}  # seconds for any one window to appear or go
mkdir -p "$shots"
rm -f "$shots"/*.png

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "gui-smoke-windows: FAILED: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then import -window root "$shots/failure.png" 2>/dev/null || true; fi
  exit 1
}
step() { echo "gui-smoke-windows: $*"; }

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq $((limit * 10))); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb reported no display"
export DISPLAY=":$(head -n1 "$work/display")"

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
maker() { wine reg query "$settings_key" /v maker 2>/dev/null | tr -d '\r' | awk '$1 == "maker" {print $3}'; }

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
file_appears() {
  for _ in $(seq $((limit * 10))); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  fail "no file $1"
}
# xdotool's --window does not reach wine's windows: focus the window, then send plain keys.
focus() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  sleep 0.3
}
shot() { import -window root "$shots/$1.png"; }

cd "$work"
wine "$program" >"$work/app.log" 2>&1 &
app_pid=$!

step "first start asks for the workshop name"
prompt=$(window "工房名の設定")
shot 01-workshop-prompt
focus "$prompt"
xdotool type --delay 50 "test"
xdotool key Return

step "a prohibited name is refused under 設定 and the prompt returns"
refusal=$(window "設定")
shot 02-name-refused
focus "$refusal"
xdotool key Return
gone "設定"
prompt=$(window "工房名の設定")
[ -n "$(maker)" ] && fail "a refused name was written to the registry"
focus "$prompt"
xdotool key ctrl+a
xdotool type --delay 50 "SmokeWorks"
xdotool key Return

step "an allowed name opens the main window and is kept in the registry"
main=$(window "ノルカ")
sleep 1
shot 03-main-window
[ "$(maker)" = "SmokeWorks" ] || fail "the registry holds '$(maker)' as the workshop name"

step "Ctrl+S opens the save picker"
focus "$main"
xdotool key ctrl+s
picker=$(window "コンテナファイルを保存する")
sleep 1
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

parts="$work/parts"
mkdir -p "$parts"
convert -size 64x32 xc:orange "$parts/texture.png"
convert -size 200x64 xc:skyblue "$parts/side.png"
printf 'newmtl body\nKd 1 1 1\nmap_Kd texture.png\n' >"$parts/box.mtl"
printf 'mtllib box.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nusemtl body\nf 1/1 2/2 3/3\nf 1/1 3/3 4/4\n' >"$parts/box.obj"
winparts="Z:${parts//\//\\}"

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
# Types a path into the picker titled $1 and accepts it.
pick() {
  local picker
  picker=$(window "$1")
  focus "$picker"
  xdotool key ctrl+a
  xdotool type --delay 20 "$2"
  xdotool key Return
  gone "$1"
}

step "a whole part: container name, parameters, model, side view, save"
menu_item s 0 "コンテナ名の設定"
dialog=$(window "コンテナ名の設定")
focus "$dialog"
xdotool type --delay 50 "SmokeBox"
xdotool key Return
gone "コンテナ名の設定"
menu_item s 1 "パラメーター設定"
dialog=$(window "パラメーター設定")
focus "$dialog"
xdotool key Tab Tab Down Tab ctrl+a
xdotool type --delay 50 "12192"
xdotool key Tab
xdotool type --delay 50 "smoke"
shot 07-parameters
xdotool key Return
gone "パラメーター設定"
menu_item s 2 "Wavefront OBJファイルを開く"
pick "Wavefront OBJファイルを開く" "$winparts\\box.obj"
sleep 1
import -window "$main" "$shots/07-model-set.png"
# The preview pane right of the status lines: the model over its slate backdrop, and the
# orange texture at its pixel size below it.
colours=$(convert "$shots/07-model-set.png" -format %c histogram:info:)
grep -q "(64,72,80" <<<"$colours" || fail "the preview pane shows no model backdrop"
grep -q "(255,165,0" <<<"$colours" || fail "the preview pane shows no texture"

step "a drag over the model turns it"
eval "$(xdotool getwindowgeometry --shell "$main")"
# Inside the model's area, whatever the frame and menu bar above the client area take.
xdotool mousemove $((X + 900)) $((Y + 200)) mousedown 1 sleep 0.3 \
  mousemove $((X + 960)) $((Y + 220)) sleep 0.3 mousemove $((X + 1000)) $((Y + 240)) mouseup 1
sleep 1
import -window "$main" "$shots/07-model-turned.png"
turned=$(compare -metric AE "$shots/07-model-set.png" "$shots/07-model-turned.png" null: 2>&1 || true)
[ "$turned" != "0" ] || fail "the model did not turn with the drag"
menu_item s 4 "サイドビューファイルを開く"
pick "サイドビューファイルを開く" "$winparts\\side.png"
focus "$main"
xdotool key ctrl+s
pick "コンテナファイルを保存する" "$winparts\\part"
file_appears "$parts/part.cnt"
sleep 1
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
pick "コンテナファイルを開く" "$winparts\\part.cnt"
sleep 1
import -window "$main" "$shots/09-reopened.png"
difference=$(compare -metric AE "$shots/08-saved.png" "$shots/09-reopened.png" null: 2>&1 || true)
[ "$difference" = "0" ] || fail "the reopened part shows differently ($difference pixels)"
menu_item s 5 "テクスチャーファイルを保存する"
pick "テクスチャーファイルを保存する" "$winparts\\exported.png"
file_appears "$parts/exported.png"
cmp -s "$parts/texture.png" "$parts/exported.png" || fail "the exported texture differs"

step "the exit item ends the program with exit code 0"
focus "$main"
xdotool key alt+f
sleep 0.5
xdotool key x
for _ in $(seq $((limit * 10))); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program still runs after the exit item"
set +e
wait "$app_pid"
status=$?
set -e
app_pid=""
[ "$status" -eq 0 ] || fail "exit code $status"
step "passed; screenshots in $shots"
