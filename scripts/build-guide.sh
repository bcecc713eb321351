#!/usr/bin/env bash
# Builds the Japanese guide, docs/guide-ja.md, as one HTML page:
#   scripts/build-guide.sh OUT_FOLDER [SCREENSHOT_FOLDER]
# The screenshots that a smoke walk took are copied beside it, so the guide shows the program
# as it is; an image not taken yet shows its caption.
set -euo pipefail
source_file="$(cd "$(dirname "$0")/.." && pwd)/docs/guide-ja.md"
out=$1
shots=${2:-}
rm -rf "$out/images"  # only the pictures the guide shows now
mkdir -p "$out/images"
{
  printf '<!DOCTYPE html>\n<html lang="ja">\n<head>\n<meta charset="utf-8">\n'
  printf '<title>ノルカの使い方</title>\n'
  printf '<style>body{max-width:48em;margin:2em auto;padding:0 1em;line-height:1.7;'
  printf 'font-family:"Noto Sans CJK JP","Yu Gothic UI","Meiryo",sans-serif}'
  printf 'img{max-width:100%%;border:1px solid #ccc}table{border-collapse:collapse}'
  printf 'td,th{border:1px solid #ccc;padding:.3em .6em}pre{background:#f4f4f4;padding:.6em;'
  printf 'overflow-x:auto}</style>\n</head>\n<body>\n'
  cmark "$source_file"
  printf '</body>\n</html>\n'
} >"$out/guide-ja.html.part"
mv "$out/guide-ja.html.part" "$out/guide-ja.html"
if [ -n "$shots" ]; then
  grep -o 'images/[^)]*\.png' "$source_file" | sort -u | while read -r image; do
    if [ -f "$shots/${image#images/}" ]; then cp "$shots/${image#images/}" "$out/$image"; fi
  done
fi
