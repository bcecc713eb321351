#!/usr/bin/env bash
# Converts every OBJ model under a folder as it is and with --repair, renders each with
# --repair, and prints a line per model and the counts: how many convert as they are, how
# many with the repair, and why the others are refused. The renders land in OUT (a
# temporary folder, removed afterwards, when not given), one PNG per model.
#   scripts/real-models.sh /usr/share/assimp/models [OUT] [path/to/qelcontainer-cli]
# Debian's assimp-testmodels package is one such folder; without the folder the sweep is
# skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

[ $# -ge 1 ] || {
  echo "usage: scripts/real-models.sh FOLDER [OUT] [path/to/qelcontainer-cli]" >&2
  exit 2
}
folder=$1
if [ ! -d "$folder" ]; then
  echo "real-models: $folder is not there; skipped (apt-get install assimp-testmodels)"
  exit 0
fi
cli=$(realpath "${3:-build/default/cli/qelcontainer-cli}")
scratch=$(mktemp -d)
if [ $# -ge 2 ]; then
  out=$2
  mkdir -p "$out"
  trap 'rm -rf "$scratch"' EXIT
else
  out=$(mktemp -d)
  trap 'rm -rf "$scratch" "$out"' EXIT
fi

models=0
exact=0
same=0
repaired=0
rendered=0
declare -A refusals=()
while IFS= read -r -d '' obj; do
  models=$((models + 1))
  name=${obj#"$folder"/}
  picture=$out/${name//\//_}
  picture=${picture%.*}.png
  rm -f "$scratch"/*
  if "$cli" convert "$obj" -o "$scratch/exact.blob" --texture-out "$scratch/exact.png" \
    >/dev/null 2>&1; then
    exact=$((exact + 1))
    as_is="converts"
  else
    as_is="refused"
  fi
  if "$cli" convert "$obj" --repair -o "$scratch/m.blob" --texture-out "$scratch/m.png" \
    >/dev/null 2>"$scratch/err"; then
    repaired=$((repaired + 1))
    # The repair mends only what the exact conversion drops or refuses.
    if [ "$as_is" = converts ] && cmp -s "$scratch/exact.blob" "$scratch/m.blob" &&
      cmp -s "$scratch/exact.png" "$scratch/m.png"; then
      same=$((same + 1))
    fi
    if "$cli" render "$obj" --repair -o "$picture" --size 256x256 >/dev/null 2>&1; then
      rendered=$((rendered + 1))
    fi
    echo "$name: $as_is; with --repair converts"
  else
    # The reason without the file's name (and without the line it was found on).
    reason=$(tail -n 1 "$scratch/err")
    reason=${reason#"$obj": }
    reason=$(sed -E 's/^line [0-9]+: //; s#[^ ]*/[^ ]*#FILE#g; s/[0-9]+/N/g' <<<"$reason")
    refusals[$reason]=$((${refusals[$reason]:-0} + 1))
    echo "$name: $as_is; with --repair refused: $(tail -n 1 "$scratch/err")"
  fi
done < <(find "$folder" -type f -iname '*.obj' -print0 | sort -z)

echo "$models models: $exact convert as they are ($same of them to the same bytes with" \
  "--repair), $repaired with --repair ($rendered rendered into $out), $((models - repaired))" \
  "refused"
for reason in "${!refusals[@]}"; do
  echo "  ${refusals[$reason]} refused: $reason"
done | sort
