#!/usr/bin/env bash
# Packs the built Windows programs (scripts/package-windows.sh without the build) and tries
# the installer under wine as a new user would: an installer in Japanese first (English
# second) with its welcome and finish pages, sharp at a high DPI; a silent install into a
# fresh prefix, every Start-menu shortcut pointing at an installed file, among them
# アンインストール and 使い方, the file type named コンテナファイル, both installed programs answering
# --version, the "Open with" entries for .cnt and .q5c written without a default taken, and a
# silent uninstall that leaves no file, shortcut or "Open with" entry of the program but the
# workshop name in the registry.
#
#   scripts/test-windows-package.sh [build folder, default build/windows]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/windows}")
limit=60  # seconds for the uninstaller, which runs on from a copy after it returns

fail() {
  echo "package: $*" >&2
  exit 1
}

# The guide with its pictures and the page, as the packages carry them.
cmake --build "$build" --target guide >/dev/null
scripts/web.sh >/dev/null
(cd "$build" && cpack >/dev/null)
installer=$(echo "$build"/QELContainer-*-windows-x64.exe)
zip=$(echo "$build"/QELContainer-*-windows-x64.zip)
packed=$(unzip -Z1 "$zip")
for notice in LICENSE THIRD-PARTY-NOTICES.txt guide/guide-ja.html guide/images/03-main-window.png \
  qelcontainer-web.zip; do
  grep -q "/$notice\$" <<<"$packed" || fail "the ZIP lacks $notice"
done

rm -rf "$build/package-wine"
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh "$build/package-wine"
start_wine >/dev/null 2>&1
unix_path() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r"')"; }

settings_key='HKCU\Software\K.DORAN\APP\QELCONTAINER'
wine reg add "$settings_key" /v maker /t REG_SZ /d kept /f >/dev/null 2>&1

wine "$installer" /S
folder=$(unix_path '%LOCALAPPDATA%\Programs\QELContainer')
menu=$(unix_path '%APPDATA%\Microsoft\Windows\Start Menu\Programs\QELContainer')
[ -x "$folder/qelcontainer.exe" ] || fail "nothing installed in $folder"

script="$build/_CPack_Packages/win64/NSIS64/project.nsi"
languages=$(sed -n 's/^!insertmacro MUI_LANGUAGE "\(.*\)"/\1/p' "$script" | paste -sd,)
[ "$languages" = "Japanese,English" ] || fail "the installer's languages are $languages"
for line in 'ManifestDPIAware true' '!insertmacro MUI_PAGE_WELCOME' '!insertmacro MUI_PAGE_FINISH'; do
  grep -qxF "$line" "$script" || fail "the installer's script lacks $line"
done
for shortcut in アンインストール 使い方; do
  [ -f "$menu/$shortcut.lnk" ] || fail "no Start-menu shortcut $shortcut"
done
wine reg export 'HKCU\Software\Classes\QELContainer.Container' "$build/package-wine/type.reg" /y >/dev/null 2>&1
iconv -f UTF-16LE -t UTF-8 "$build/package-wine/type.reg" | grep -q '^@="コンテナファイル"' ||
  fail "the file type is not named コンテナファイル"

# The shortcuts as the installer's script makes them, with its folders put in.
shortcuts=0
while IFS=$'\t' read -r link target; do
  link=${link//"\$SMPROGRAMS\\\$STARTMENU_FOLDER"/$menu}
  target=${target//"\$INSTDIR"/$folder}
  [ -f "${link//\\//}" ] || fail "no shortcut $link"
  [ -f "${target//\\//}" ] || fail "shortcut $link points at $target, which is not there"
  shortcuts=$((shortcuts + 1))
done < <(sed -n 's/^ *CreateShortCut "\([^"]*\)" "\([^"]*\)".*/\1\t\2/p' "$script")
[ $shortcuts -ge 3 ] || fail "the installer's script names $shortcuts shortcuts"

classes='HKCU\Software\Classes'
# One line for each entry there is; reg prints the key's own name first.
open_with_entries() {
  wine reg query "$classes\Applications\qelcontainer.exe\shell\open\command" 2>/dev/null |
    tr -d '\r' | grep -v '^HKEY' | grep -F "qelcontainer.exe" | sed 's/^/command: /'
  for extension in .cnt .q5c; do
    wine reg query "$classes\\$extension\OpenWithProgids" /v QELContainer.Container \
      2>/dev/null | tr -d '\r' | grep -v '^HKEY' | grep -F QELContainer.Container | sed "s/^/$extension: /"
    wine reg query "$classes\Applications\qelcontainer.exe\SupportedTypes" /v "$extension" \
      2>/dev/null | tr -d '\r' | grep -v '^HKEY' | grep -F "$extension" | sed "s/^/supported: /"
  done
  return 0
}
entries=$(open_with_entries)
[ "$(wc -l <<<"$entries")" -eq 5 ] || fail "the Open-with entries are incomplete: $entries"
for extension in .cnt .q5c; do
  # The extension's own default stays another program's (or nobody's).
  ! wine reg query "$classes\\$extension" /ve 2>/dev/null | tr -d '\r' | grep -q QELContainer ||
    fail "the installer made itself the default of $extension"
done

version=$(sed -n 's/^project(QELContainer VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
for program in qelcontainer-cli.exe qelcontainer.exe; do
  # The desktop program prints into the console of the one that starts it.
  wine cmd /c "$(winepath -w "$folder/$program")" --version | tr -d '\r' | grep -q "$version" ||
    fail "installed $program does not answer --version with $version"
done

wine "$folder/Uninstall.exe" /S
for _ in $(seq "$limit"); do
  [ -e "$folder" ] || [ -e "$menu" ] || break
  sleep 1
done
[ ! -e "$folder" ] || fail "the uninstaller left $(ls "$folder") in $folder"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder $menu"
[ -z "$(open_with_entries)" ] || fail "the uninstaller left Open-with entries: $(open_with_entries)"
wine reg query "$settings_key" /v maker 2>/dev/null | grep -q kept ||
  fail "the uninstaller took the workshop name from the registry"
echo "installed, $shortcuts shortcuts and the Open-with entries checked, both programs started, uninstalled cleanly"
