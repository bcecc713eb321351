#!/usr/bin/env bash
# The Windows program at 150% (LogPixels 144) under wine: a whole part, named on the command
# line, shown in the status lines, and from the screenshot the rows of text measured, so that
# no two status lines touch. Runs after gui-smoke-windows.sh, whose fresh wine prefix it unpacks.
#
#   scripts/gui-dpi-windows.sh path/to/qelcontainer.exe path/to/linux/qelcontainer-cli [shots]
set -euo pipefail

program=$(realpath "${1:?usage: gui-dpi-windows.sh qelcontainer.exe qelcontainer-cli [shots]}")
cli=$(realpath "${2:?the Linux qelcontainer-cli makes the part}")
shots=$(realpath -m "${3:-$(dirname "$program")/gui-smoke}")
pristine="$(dirname "$program")/wine-pristine.tar"
limit=${SMOKE_TIMEOUT:-30}
mkdir -p "$shots"

smoke_name=gui-dpi-windows
# shellcheck source=scripts/smoke_walk.sh
source "$(dirname "$0")/smoke_walk.sh"
begin_walk
[ -s "$pristine" ] || fail "no $pristine: run gui-smoke-windows.sh first"

start_xvfb
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEPREFIX="$work/wine"
tar -xf "$pristine" -C "$work"
wineserver -p
wine cmd /c exit 0 >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
  /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\K.DORAN\APP\QELCONTAINER' /v maker /t REG_SZ /d "山田工房" /f \
  >/dev/null 2>&1
wineserver -k  # the DPI is read when the server starts
wineserver -w
wineserver -p

parts="$work/parts"
make_parts "$parts"
"$cli" pack --obj "$parts/box.obj" --sideview "$parts/side.png" --name "自動車M 乗用車" \
  --maker "山田工房" --type 9 --length 12190 --description "高い解像度で見る部品" \
  -o "$parts/part.cnt" >/dev/null

step "the status lines at LogPixels 144"
wine "$program" "Z:${parts//\//\\}\\part.cnt" >"$work/app.log" 2>&1 &
app_pid=$!
main=$(window "ノルカ")
sleep 2
import -window "$main" "$shots/11-high-dpi.png"

# The status lines' rows: the left part of the client area (below the menu bar), folded into
# one column of mean brightness; a row darker than the window's white holds text. Between two
# lines at the scaled pitch (30 pixels, 20 at 96 DPI) lie at least 8 blank rows; lines at the
# unscaled pitch or touching leave a few or none.
eval "$(xdotool getwindowgeometry --shell "$main")"
apart=$(convert "$shots/11-high-dpi.png" -crop "300x$((HEIGHT - 40))+0+40" +repage \
  -colorspace gray -resize '1x!' -depth 8 txt:- |
  awk -F'[(),]' 'NR > 1 { dark = $4 + 0 < 250
                          if (dark && seen && blank >= 8) apart++
                          if (dark) { seen = 1; blank = 0 } else blank++ }
                 END { print apart + 0 }')
# 工房名, コンテナ名, 説明, 種別, then 3D MODEL and Vertex, TEXTURE, DX, DY, SIDEVIEW, DX, DY:
# eleven gaps between twelve lines.
[ "$apart" -ge 11 ] || fail "the status lines crowd at LogPixels 144: $apart wide gaps"
step "status lines apart at LogPixels 144: $apart gaps of 8 blank rows or more"
