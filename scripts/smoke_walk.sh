# shellcheck shell=bash
# Sourced by the two smoke walks (gui-smoke.sh, gui-smoke-windows.sh): the steps and helpers
# they share. Before first_steps a walk provides
#   variables  smoke_name  the walk's name, which starts every line it prints
#              work        a scratch folder of its own
#              shots       the folder for the screenshots
#              limit       seconds for any one window to appear or go
#              type_delay  milliseconds between typed keys
#              app_pid     the program's process, started in the background
#   functions  start_program [FILE]   starts the program (with FILE on its command line) in
#                                     the background and sets app_pid
#              focus WINDOW           gives the window the keyboard
#              stored_maker           prints the workshop name the program keeps, or nothing
#              menu_item MNEMONIC INDEX TITLE
#                                     opens item INDEX of a menu, which opens window TITLE
#              settle                 returns once the program has drawn
# startup-time.sh uses start_xvfb and new_linux_user only, which need smoke_name, work,
# shots and limit.
# shellcheck disable=SC2154 # the variables above are set by the caller

# The walks change folders; their helpers stay here.
smoke_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

fail() {
  echo "$smoke_name: FAILED: $*" >&2
  [ -s "$work/app.log" ] && sed 's/^/  program: /' "$work/app.log" >&2
  if [ -n "${DISPLAY:-}" ]; then import -window root "$shots/failure.png" 2>/dev/null || true; fi
  exit 1
}
step() { echo "$smoke_name: $*"; }

# A scratch folder of the walk's own in $work; on exit the program, wine's server (when the
# walk made a prefix) and the X server are stopped and the folder removed.
begin_walk() {
  work=$(mktemp -d)
  xvfb_pid=""
  app_pid=""
  trap end_walk EXIT
}
end_walk() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}

# A virtual X server on a free display number, which it reports once it accepts clients.
start_xvfb() {
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
}

# A new user of the Linux program: empty home and settings folders. The program keeps its
# settings in $settings_file.
new_linux_user() {
  export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
  unset QT_QPA_PLATFORM
  mkdir -p "$HOME" "$XDG_CONFIG_HOME"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # shellcheck disable=SC2034 # read by the caller's stored_maker
  settings_file="$XDG_CONFIG_HOME/K.DORAN/APP/QELCONTAINER.conf"
}

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
# The window $2 (the whole screen without it) into the screenshot named $1.
shot() { import -window "${2:-root}" "$shots/$1.png"; }

# The visible window titled $1 that is not window $2, once it is there.
second_window() {
  local found
  for _ in $(seq $((limit * 10))); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "$2" | head -n1 || true)
    [ -n "$found" ] && echo "$found" && return 0
    sleep 0.1
  done
  fail "no second window titled '$1'"
}
second_gone() {
  for _ in $(seq $((limit * 10))); do
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vqx "$2" || return 0
    sleep 0.1
  done
  fail "the second window '$1' did not close"
}

# The status lines of two screenshots of the main window ($1, $2) are the same; $3 names
# what the second shows.
same_status() {
  local difference
  convert "$1" -crop 600x360+0+0 +repage "$work/status-1.png"
  convert "$2" -crop 600x360+0+0 +repage "$work/status-2.png"
  difference=$(compare -metric AE "$work/status-1.png" "$work/status-2.png" null: 2>&1 || true)
  [ "$difference" = "0" ] || fail "$3 shows differently from $1 ($difference pixels)"
}

# The exit item of the File menu, by its mnemonic.
exit_item() {
  focus "$main"
  xdotool key alt+f
  sleep 1
  xdotool key x
}

# New, answered OK: the part is empty and unchanged.
new_part() {
  local question
  focus "$main"
  xdotool key ctrl+n
  question=$(window "コンテナ初期化")
  focus "$question"
  xdotool key Return
  gone "コンテナ初期化"
}

# Types a path into the picker titled $1 and accepts it.
pick() {
  local picker
  picker=$(window "$1")
  focus "$picker"
  xdotool key ctrl+a
  xdotool type --delay "$type_delay" "$2"
  xdotool key Return
  gone "$1"
}

# First start up to the main window, whose id goes to $main, then the save picker, the About
# box and the question of New, each closed again.
# Says which of the variables and functions above the walk has not provided.
check_caller() {
  local missing=() name
  for name in smoke_name work shots limit type_delay app_pid; do
    [ -n "${!name:-}" ] || missing+=("$name")
  done
  for name in start_program focus stored_maker menu_item settle; do
    declare -F "$name" >/dev/null || missing+=("$name()")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local IFS=,
    echo "${smoke_name:-smoke_walk.sh}: not provided by the walk: ${missing[*]} (see the top of smoke_walk.sh)" >&2
    exit 1
  fi
}

first_steps() {
  check_caller
  step "first start asks for the workshop name"
  local prompt refusal about question
  prompt=$(window "工房名の設定")
  sleep 1  # drawn whole, also under wine
  shot 01-workshop-prompt "$prompt"
  focus "$prompt"
  xdotool type --delay "$type_delay" "test"
  xdotool key Return

  step "a prohibited name is refused under 設定 and the prompt returns"
  refusal=$(window "設定")
  shot 02-name-refused "$refusal"
  focus "$refusal"
  xdotool key Return
  gone "設定"
  prompt=$(window "工房名の設定")
  [ -n "$(stored_maker)" ] && fail "a refused name was kept: '$(stored_maker)'"
  focus "$prompt"
  xdotool key ctrl+a
  xdotool type --delay "$type_delay" "Yamada"
  xdotool key Return

  step "an allowed name opens the main window and is kept"
  main=$(window "ノルカ")
  sleep 1
  shot 03-main-window "$main"
  [ "$(stored_maker)" = "Yamada" ] || fail "'$(stored_maker)' is kept as the workshop name"

  step "Ctrl+S on an empty part lists every missing item before any picker"
  focus "$main"
  xdotool key ctrl+s
  refusal=$(window "コンテナを保存")
  shot 04-save-refused "$refusal"
  focus "$refusal"
  xdotool key Return
  gone "コンテナを保存"

  step "Alt+/ opens the About box"
  focus "$main"
  xdotool key alt+slash
  about=$(window "バージョン情報 QELContainer")
  shot 05-about "$about"
  focus "$about"
  xdotool key Return
  gone "バージョン情報 QELContainer"

  step "Ctrl+N asks before clearing the container"
  focus "$main"
  xdotool key ctrl+n
  question=$(window "コンテナ初期化")
  shot 06-new-question "$question"
  focus "$question"
  xdotool key Escape
  gone "コンテナ初期化"
}

# The files of a part, as an author has them: a square model with its material, an orange
# texture and a sky-blue side view, in the folder $1.
make_parts() {
  mkdir -p "$1"
  convert -size 64x32 xc:orange "$1/texture.png"
  convert -size 200x64 xc:skyblue "$1/side.png"
  printf 'newmtl body\nKd 1 1 1\nmap_Kd texture.png\n' >"$1/box.mtl"
  printf 'mtllib box.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nusemtl body\nf 1/1 2/2 3/3\nf 1/1 3/3 4/4\n' >"$1/box.obj"
  # The same model with a texture four times too large on each side.
  convert -size 1024x1024 xc:orange "$1/huge.png"
  sed 's/texture.png/huge.png/' "$1/box.mtl" >"$1/huge.mtl"
  sed 's/box.mtl/huge.mtl/' "$1/box.obj" >"$1/huge.obj"
  # A model whose repair takes seconds: four quads of four materials, each with a picture
  # of 4096 x 4096 pixels to scale down.
  convert -size 4096x4096 gradient:orange-skyblue "$1/large-0.png"
  : >"$1/slow.mtl"
  printf 'mtllib slow.mtl\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n' >"$1/slow.obj"
  for i in $(seq 0 3); do
    [ "$i" -gt 0 ] && cp "$1/large-0.png" "$1/large-$i.png"
    printf 'newmtl m%d\nmap_Kd large-%d.png\n' "$i" "$i" >>"$1/slow.mtl"
    printf 'v %d 0 0\nv %d 0 0\nv %d 1 0\nv %d 1 0\nusemtl m%d\nf -4/1 -3/2 -2/3 -1/4\n' \
      "$i" $((i + 1)) $((i + 1)) "$i" "$i" >>"$1/slow.obj"
  done
  # A 12192 x 2438 x 2591 mm box exported Z-up: in the program it lies on its side.
  # A face of five corners, which the program offers to cut into triangles.
  printf 'mtllib box.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0.5 1.5 0\nv 0 1 0\nusemtl body\nf 1 2 3 4 5\n' >"$1/pentagon.obj"
  printf 'mtllib box.mtl\nv 0 0 0\nv 12192 0 0\nv 12192 2438 0\nv 0 2438 0\nv 0 0 2591\nv 12192 0 2591\nv 12192 2438 2591\nv 0 2438 2591\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nusemtl body\nf 1/1 4/2 3/3 2/4\nf 5/1 6/2 7/3 8/4\nf 1/1 2/2 6/3 5/4\nf 2/1 3/2 7/3 6/4\nf 3/1 4/2 8/3 7/4\nf 4/1 1/2 5/3 8/4\n' >"$1/zup.obj"
}

# The model $1 (huge.obj of make_parts, as the program names it) cannot be set as it is: one
# box says why, with the texture's size, and offers the repair, which is declined.
refused_model() {
  local box
  step "a model with a 1024 x 1024 texture says why and offers the repair"
  menu_item s 2 "Wavefront OBJファイルを開く"
  pick "Wavefront OBJファイルを開く" "$1"
  box=$(window "モデルを設定")
  shot 10-model-refused "$box"
  focus "$box"
  xdotool key Escape
  gone "モデルを設定"
}

# The model just set is shorter than 全長: the fit is offered with the size it will give and
# declined with Escape; the unit and size dialog shows the model's size and closes unchanged.
fit_offer_and_size_dialog() {
  local box
  step "a model shorter than 全長 is offered the fit; the size dialog shows what it will give"
  box=$(window "モデルを設定")
  shot 07-fit-offer "$box"
  focus "$box"
  xdotool key Escape
  gone "モデルを設定"
  menu_item s 3 "モデルの単位と大きさ"
  box=$(window "モデルの単位と大きさ")
  shot 07-model-size-dialog "$box"
  focus "$box"
  xdotool key Escape
  gone "モデルの単位と大きさ"
}

# The model $1 (slow.obj of make_parts, as the program names it), whose repair takes seconds
# and runs before the repair is offered: its progress box shows after half a second, and
# キャンセル there leaves the part as screenshot $2 showed it.
cancelled_repair() {
  local box
  step "a long repair shows its progress, and キャンセル leaves the part as it was"
  menu_item s 2 "Wavefront OBJファイルを開く"
  pick "Wavefront OBJファイルを開く" "$1"
  box=$(window "モデルを設定")
  shot 14-repair-progress
  focus "$box"
  xdotool key Return
  gone "モデルを設定"
  settle
  import -window "$main" "$shots/14-repair-cancelled.png"
  same_status "$2" "$shots/14-repair-cancelled.png" "the part after the cancelled repair"
}

# サイドビューを生成 shows the side view made from the model before it is stored; OK
# stores it.
generated_side_view() {
  local box
  step "サイドビューを生成 shows the side view from the model, and OK stores it"
  menu_item s 6 "サイドビューを生成"
  box=$(window "サイドビューを生成")
  shot 08-side-view-generated "$box"
  focus "$box"
  xdotool key Return
  gone "サイドビューを生成"
  settle
  import -window "$main" "$shots/08-side-view-stored.png"
}

# The Z-up model $1 (zup.obj of make_parts, as the program names it) in the free view, then
# from the side (key 2): it lies on its side above the grid, with its size and the axes.
z_up_model() {
  step "a Z-up model shows which way is up, its size, and the side view key"
  menu_item s 2 "Wavefront OBJファイルを開く"
  pick "Wavefront OBJファイルを開く" "$1"
  settle
  import -window "$main" "$shots/11-z-up-model.png"
  focus "$main"
  xdotool key 2
  settle
  import -window "$main" "$shots/12-z-up-side.png"
  focus "$main"
  xdotool key Home
  settle
}

# The questions of buttons of the program's own, each shot and answered with Escape, which
# changes nothing: the model $1 with a face of five corners (pentagon.obj of make_parts, as
# the program names it); the set model's file $2 written again; the image $3 dropped on the
# status lines (both as this system names them).
choice_questions() {
  local box
  step "a face of five corners is offered the repair"
  menu_item s 2 "Wavefront OBJファイルを開く"
  pick "Wavefront OBJファイルを開く" "$1"
  box=$(window "モデルを設定")
  shot 14-cut-faces-question "$box"
  focus "$box"
  xdotool key Escape
  gone "モデルを設定"
  step "the set model's file written again is offered to be read again"
  echo "# saved again" >>"$2"
  focus "$main"
  box=$(second_window "ノルカ" "$main")
  shot 15-reload-question "$box"
  focus "$box"
  xdotool key Escape
  second_gone "ノルカ" "$main"
  step "an image dropped on the status lines asks which picture it is"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  python3 "$smoke_scripts/xdnd_drop.py" "$main" $((X + 200)) $((Y + 200)) "$3" ||
    fail "the window did not take the drop"
  box=$(second_window "ノルカ" "$main")
  shot 16-drop-question "$box"
  focus "$box"
  xdotool key Escape
  second_gone "ノルカ" "$main"
}

# The container name and the parameters, entered through their dialogs, as an author names a
# 40 ft container (in ASCII: wine's windows lose Japanese that xdotool types).
name_and_parameters() {
  local dialog
  menu_item s 0 "コンテナ名の設定"
  dialog=$(window "コンテナ名の設定")
  focus "$dialog"
  xdotool type --delay "$type_delay" "ISO 40ft Dry"
  xdotool key Return
  gone "コンテナ名の設定"
  menu_item s 1 "パラメーター設定"
  dialog=$(window "パラメーター設定")
  focus "$dialog"
  xdotool key Tab Tab i Down Tab ctrl+a  # ISO40ft
  xdotool type --delay "$type_delay" "12192"
  xdotool key Tab
  xdotool type --delay "$type_delay" "40ft dry container"
  shot 07-parameters "$dialog"
  xdotool key Return
  gone "パラメーター設定"
}

# The saved part, $1 as the program names it, reopens after New and shows as it did after
# the save; its texture, exported to $2 as the program names it, arrives here as $3 and
# equals texture.png beside it byte for byte.
reopen_and_export() {
  local difference
  step "the saved part reopens as it was, and its texture exports byte for byte"
  new_part
  focus "$main"
  xdotool key ctrl+o
  pick "コンテナファイルを開く" "$1"
  settle
  import -window "$main" "$shots/09-reopened.png"
  difference=$(compare -metric AE "$shots/08-saved.png" "$shots/09-reopened.png" null: 2>&1 || true)
  [ "$difference" = "0" ] || fail "the reopened part shows differently ($difference pixels)"
  menu_item s 7 "テクスチャーファイルを保存する"
  pick "テクスチャーファイルを保存する" "$2"
  file_appears "$3"
  cmp -s "$(dirname "$3")/texture.png" "$3" || fail "the exported texture differs"
}

# A change, then the exit item: the unsaved-changes question, whose キャンセル keeps the
# window; New then leaves nothing to ask about.
unsaved_question() {
  local dialog box
  step "leaving after a change asks first, and キャンセル keeps the window"
  menu_item s 0 "コンテナ名の設定"
  dialog=$(window "コンテナ名の設定")
  focus "$dialog"
  xdotool key ctrl+a
  xdotool type --delay "$type_delay" "Renamed"
  xdotool key Return
  gone "コンテナ名の設定"
  exit_item
  box=$(second_window "ノルカ" "$main")
  shot 11-unsaved-question "$box"
  focus "$box"
  xdotool key Escape
  second_gone "ノルカ" "$main"
  kill -0 "$app_pid" 2>/dev/null || fail "キャンセル ended the program"
  new_part
}

# The program started again with the saved part $1 (as the program names it) on its command
# line shows it as it showed when reopened; after New, the same part dropped on the window
# ($2, as this system names it) shows so again. The drop is a real one, by the XDND protocol.
file_argument_and_drop() {
  step "a part named on the command line opens at start"
  start_program "$1"
  main=$(window "ノルカ")
  settle
  import -window "$main" "$shots/12-file-argument.png"
  same_status "$shots/09-reopened.png" "$shots/12-file-argument.png" "the part named at start"
  new_part
  step "a part dropped on the window opens"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  python3 "$smoke_scripts/xdnd_drop.py" "$main" $((X + 200)) $((Y + 200)) "$2" ||
    fail "the window did not take the drop"
  settle
  import -window "$main" "$shots/13-dropped.png"
  same_status "$shots/09-reopened.png" "$shots/13-dropped.png" "the dropped part"
  exit_item
  ended_cleanly "the exit item"
}

# The program, asked to end by $1, has ended with exit code 0.
ended_cleanly() {
  local status
  for _ in $(seq $((limit * 10))); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app_pid" 2>/dev/null && fail "the program still runs after $1"
  set +e
  wait "$app_pid"
  status=$?
  set -e
  app_pid=""
  [ "$status" -eq 0 ] || fail "exit code $status"
  step "passed; screenshots in $shots"
}
