#!/usr/bin/env bash
# Checks the picture work of scripts/shots on small pictures it draws itself
# (ImageMagick): --compare's counts, boxes, missing pictures and exit code,
# and the steady choice of the frame with the caret on.
set -uo pipefail
pictures="$(cd "$(dirname "$0")/../lib" && pwd)/shots_pictures.py"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/lanque-shots-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
mkdir -p "$scratch/new" "$scratch/old" "$scratch/frames"

convert -size 60x40 xc:'#F0F0F0' "$scratch/old/same.png"
cp "$scratch/old/same.png" "$scratch/new/same.png"
convert -size 60x40 xc:'#F0F0F0' "$scratch/old/caret.png"
convert -size 60x40 xc:'#F0F0F0' -fill black -draw 'rectangle 12,5 12,17' -draw 'point 40,30' "$scratch/new/caret.png"
convert -size 60x40 xc:'#F0F0F0' "$scratch/old/resized.png"
convert -size 61x40 xc:'#F0F0F0' "$scratch/new/resized.png"
cp "$scratch/old/same.png" "$scratch/old/gone.png"
cp "$scratch/old/same.png" "$scratch/new/added.png"

out=$(python3 "$pictures" compare "$scratch/new" "$scratch/old")
rc=$?
[ "$rc" -eq 1 ] || fail "compare: exit $rc, wanted 1"
expected="shots: added: new, not in $scratch/old
shots: caret: 14 pixels differ in 29x26 at 12,5 (to 40,30)
shots: gone: missing here ($scratch/new), in $scratch/old only
shots: resized: size 61x40, was 60x40
shots: 1 same, 4 different or missing"
[ "$out" = "$expected" ] || fail "compare:
--- wanted
$expected
--- got
$out"

out=$(python3 "$pictures" compare "$scratch/new" "$scratch/old" same)
rc=$?
[ "$rc" -eq 0 ] && [ "$out" = "shots: 1 same, 0 different or missing" ] || fail "compare of one name: $rc $out"

# Frames of a blinking caret, off and on: the darker one (caret on) is kept,
# whatever the order; a third picture says that something else moves.
cp "$scratch/old/caret.png" "$scratch/frames/0.png"
cp "$scratch/new/caret.png" "$scratch/frames/1.png"
cp "$scratch/old/caret.png" "$scratch/frames/2.png"
for order in "0 1 2" "1 2 0"; do
  files=()
  for i in $order; do files+=("$scratch/frames/$i.png"); done
  out=$(python3 "$pictures" steady "$scratch/steady.png" "${files[@]}")
  [ -z "$out" ] || fail "steady $order: said $out"
  [ "$(compare -metric AE "$scratch/steady.png" "$scratch/new/caret.png" null: 2>&1)" = 0 ] ||
    fail "steady $order: not the frame with the caret"
done
convert -size 60x40 xc:'#E0E0E0' "$scratch/frames/3.png"
out=$(python3 "$pictures" steady "$scratch/steady.png" "$scratch/frames/"?.png)
[ "$out" = "shots: steady.png: 3 different frames in a second: something still moves" ] || fail "steady, moving: $out"

if [ "$failures" -eq 0 ]; then
  echo "shots_pictures_test: all cases passed"
fi
[ "$failures" -eq 0 ]
