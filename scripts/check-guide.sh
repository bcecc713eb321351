#!/usr/bin/env bash
# Checks the built guide page in the folder $1: its tables are rendered as tables, and every
# picture it shows is there beside it.
set -euo pipefail
page="$1/guide-ja.html"
[ -s "$page" ] || { echo "check-guide.sh: no $page" >&2; exit 1; }
grep -q '<table>' "$page" || { echo "check-guide.sh: $page has no table" >&2; exit 1; }
missing=0
while read -r image; do
  if ! [ -s "$1/$image" ]; then
    echo "check-guide.sh: $page shows $image, which is not there" >&2
    missing=1
  fi
done < <(grep -o 'src="[^"]*"' "$page" | sed 's/^src="//; s/"$//')
exit "$missing"
