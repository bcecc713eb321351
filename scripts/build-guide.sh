#!/usr/bin/env bash
# Builds the Japanese guide, docs/guide-ja.md, as one HTML page with its tables, and copies
# the pictures it shows from docs/images beside it:
#   scripts/build-guide.sh OUT_FOLDER
# A picture the guide names that docs/images lacks fails the build.
set -euo pipefail
docs="$(cd "$(dirname "$0")/.." && pwd)/docs"
source_file="$docs/guide-ja.md"
out=$1
rm -rf "$out/images"  # only the pictures the guide shows now
mkdir -p "$out/images"
{
  printf '<!DOCTYPE html>\n<html lang="ja">\n<head>\n<meta charset="utf-8">\n'
  printf '<title>ノルカの使い方</title>\n'
  printf '<style>body{max-width:48em;margin:2em auto;padding:0 1em;line-height:1.7;'
  printf 'font-family:"Noto Sans CJK JP","Yu Gothic UI","Meiryo",sans-serif}'
  printf 'img{max-width:100%%;border:1px solid #ccc}table{border-collapse:collapse}'
  printf 'td,th{border:1px solid #ccc;padding:.3em .6em;vertical-align:top}'
  printf 'pre{background:#f4f4f4;padding:.6em;overflow-x:auto}</style>\n</head>\n<body>\n'
  cmark-gfm --extension table "$source_file"
  printf '</body>\n</html>\n'
} >"$out/guide-ja.html.part"
grep -o 'images/[^)]*\.png' "$source_file" | sort -u | while read -r image; do
  cp "$docs/$image" "$out/$image" || {
    echo "build-guide.sh: the guide shows $image, which docs/ lacks" >&2
    exit 1
  }
done
mv "$out/guide-ja.html.part" "$out/guide-ja.html"
