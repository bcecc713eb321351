#!/usr/bin/env bash
# The Windows CLI under wine, under a Japanese locale, writes to a pipe and to a file in the
# console's code page (932) with CRLF line ends by default and with --encoding cp932 or
# console, and in UTF-8 with the Linux build's LF line ends with --encoding utf-8: a
# container's Japanese workshop name reads back the same from each.
# Usage: cli_encoding.sh WINDOWS_CLI_EXE WINEPREFIX
set -euo pipefail
cli=$1
export WINEPREFIX=$2 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
icons=$(dirname "$0")/../../frontends/qt/desktop
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$icons/qelcontainer-256.png" texture.png
cp "$icons/qelcontainer-48.png" side.png
printf 'newmtl body\nmap_Kd texture.png\n' >body.mtl
printf 'mtllib body.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nusemtl body\nf 1/1 2/2 3/3\n' \
  >part.obj
wine "$cli" pack -o part.cnt --obj part.obj --sideview side.png --name 試作 --maker 山田工房 \
  --type 20ft --length 6058

status=0
expect() {  # what, file of the output, its encoding, its line end (crlf or lf)
  if ! iconv -f "$3" -t UTF-8 "$2" | grep -q '山田工房'; then
    echo "$1 does not carry the workshop name in $3" >&2
    status=1
  fi
  local crlf=0
  if grep -q $'\r$' "$2"; then crlf=1; fi
  if [ "$4" = crlf ] && { [ $crlf = 0 ] || grep -q $'[^\r]$' "$2"; }; then
    echo "$1 has lines without CRLF" >&2
    status=1
  elif [ "$4" = lf ] && [ $crlf = 1 ]; then
    echo "$1 has CRLF line ends" >&2
    status=1
  fi
}
wine "$cli" info part.cnt | cat >pipe.txt
expect "the pipe" pipe.txt CP932 crlf
wine "$cli" info part.cnt >file.txt
expect "the file" file.txt CP932 crlf
wine "$cli" --encoding utf-8 info part.cnt | cat >pipe-utf8.txt
expect "the pipe with --encoding utf-8" pipe-utf8.txt UTF-8 lf
wine "$cli" --encoding=utf-8 info part.cnt >file-utf8.txt
expect "the file with --encoding=utf-8" file-utf8.txt UTF-8 lf
wine "$cli" --encoding cp932 info part.cnt | cat >pipe932.txt
expect "the pipe with --encoding cp932" pipe932.txt CP932 crlf
wine "$cli" --encoding console info part.cnt >console.txt
expect "the file with --encoding console" console.txt CP932 crlf
if wine "$cli" --encoding latin1 info part.cnt >/dev/null 2>&1; then
  echo "an unknown --encoding is taken" >&2
  status=1
fi
[ $status -eq 0 ] && echo "code page 932 with CRLF by default, UTF-8 as asked"
exit $status
