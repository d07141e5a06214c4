#!/usr/bin/env bash
# Checks scripts/check-layers on copies of the tree's sources (never the tree
# itself): the copy as it is passes; a wrong include planted at each of three
# places fails with the planted file, line and include; so do a Windows
# header in portable code, a file in no layer and a layer list that the
# architecture no longer quotes. The symbol check runs on a tiny Ninja tree
# of its own, where a framework object calls a function defined in skin/.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
check="$root/scripts/check-layers"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/lanque-layers-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# A copy of the sources and the two documents the check reads.
fresh_copy() {
  rm -rf "$scratch/tree"
  mkdir -p "$scratch/tree"
  (cd "$root" && find . -path ./build -prune -o -path ./.git -prune -o \
     \( -name '*.h' -o -name '*.cpp' -o -path ./docs/layers.txt -o -path ./docs/ARCHITECTURE.md \) -print0 |
     tar --null -T - -cf -) | tar -xf - -C "$scratch/tree"
}

# expect_fault NAME FILE LINE TEXT: the check fails and names FILE:LINE with TEXT.
expect_fault() {
  local out rc
  out=$("$check" --root "$scratch/tree" --no-symbols 2>&1)
  rc=$?
  [ "$rc" -eq 1 ] || fail "$1: exit $rc, wanted 1"
  grep -qF "$2:$3: $4" <<<"$out" || fail "$1: no '$2:$3: $4' in:
$out"
}

# plant FILE INCLUDE: adds the include as the file's last line; prints its number.
plant() {
  echo "#include $2" >>"$scratch/tree/$1"
  wc -l <"$scratch/tree/$1"
}

fresh_copy
out=$("$check" --root "$scratch/tree" --no-symbols 2>&1) || fail "the copy of the tree: $out"

# Three wrong includes, each upward by the layer list.
for case in 'skin/paint/fills.cpp "skin/forms/skin_provider.h"' \
            'skin/data/ini_text.cpp "skin/win/skin_manager.h"' \
            'framework/control.cpp "skin/controls/basic/edit.h"'; do
  eval "set -- $case"
  fresh_copy
  line=$(plant "$1" "\"$2\"")
  expect_fault "$1 includes $2" "$1" "$line" "#include \"$2\": layer"
done

# A portable file that includes <windows.h>; the Windows side of a portable
# piece (a *_win file) may.
fresh_copy
line=$(plant skin/data/ini_text.cpp '<windows.h>')
expect_fault "<windows.h> in portable code" skin/data/ini_text.cpp "$line" "#include <windows.h>: a Windows header"
fresh_copy
plant skin/data/platform_metrics_win.cpp '<windows.h>' >/dev/null
out=$("$check" --root "$scratch/tree" --no-symbols 2>&1) || fail "<windows.h> in a _win file: $out"

# A portable file that includes a Windows-only header of the tree.
fresh_copy
line=$(plant skin/forms/frame/frame_cache.cpp '"skin/paint/gdi_win.h"')
expect_fault "a _win header in portable code" skin/forms/frame/frame_cache.cpp "$line" \
  '#include "skin/paint/gdi_win.h": a Windows-only header'

# A folder the layer list does not know.
fresh_copy
mkdir -p "$scratch/tree/gadgets"
echo 'int gadget;' >"$scratch/tree/gadgets/gadget.cpp"
out=$("$check" --root "$scratch/tree" --no-symbols 2>&1)
grep -qF "gadgets/gadget.cpp: in no layer" <<<"$out" || fail "a file in no layer: $out"

# The architecture must quote the layer list as it is.
fresh_copy
echo "extra: extra" >>"$scratch/tree/docs/layers.txt"
out=$("$check" --root "$scratch/tree" --no-symbols 2>&1)
grep -qF "docs/ARCHITECTURE.md: does not quote" <<<"$out" || fail "a changed list: $out"

# Symbols: a framework object that needs a function defined in skin/ fails,
# one of skin/ that needs the framework's passes.
if command -v ninja >/dev/null && command -v g++ >/dev/null; then
  sym="$scratch/symbols"
  mkdir -p "$sym/framework" "$sym/skin/paint" "$sym/docs" "$sym/build/native"
  cp "$root/docs/layers.txt" "$sym/docs/"
  echo 'int PaintSomething(); int FrameworkCall() { return PaintSomething(); }' >"$sym/framework/call.cpp"
  echo 'int PaintSomething() { return 1; }' >"$sym/skin/paint/paint.cpp"
  echo 'int FrameworkCall(); int UseFramework() { return FrameworkCall(); }' >"$sym/skin/paint/uses.cpp"
  cat >"$sym/build/native/build.ninja" <<X
rule cxx
  command = g++ -c \$in -o \$out
build framework/call.cpp.o: cxx $sym/framework/call.cpp
build skin/paint/paint.cpp.o: cxx $sym/skin/paint/paint.cpp
build skin/paint/uses.cpp.o: cxx $sym/skin/paint/uses.cpp
X
  if ninja -C "$sym/build/native" >/dev/null 2>&1; then
    out=$("$check" --root "$sym" 2>&1)
    rc=$?
    [ "$rc" -eq 1 ] || fail "symbols: exit $rc, wanted 1: $out"
    grep -qF 'framework/call.cpp: needs PaintSomething(), defined only above layer framework: in skin/paint/paint.cpp (layer pixels)' <<<"$out" ||
      fail "symbols: the framework's call into skin/ not named: $out"
    grep -q 'uses.cpp' <<<"$out" && fail "symbols: a downward call reported: $out"
    rm "$sym/framework/call.cpp" "$sym/build/native/framework/call.cpp.o"
    sed -i '/call.cpp/d' "$sym/build/native/build.ninja"
    echo 'int FrameworkCall() { return 2; }' >"$sym/framework/defined.cpp"
    echo "build framework/defined.cpp.o: cxx $sym/framework/defined.cpp" >>"$sym/build/native/build.ninja"
    ninja -C "$sym/build/native" >/dev/null 2>&1 || fail "symbols: the second tiny tree did not build"
    out=$("$check" --root "$sym" 2>&1) || fail "symbols: downward calls only: $out"
    grep -q 'symbols of 3 objects read' <<<"$out" || fail "symbols: objects not read: $out"
  else
    fail "symbols: the tiny tree did not build"
  fi
else
  echo "check_layers_test: no ninja or g++, symbol check not tried"
fi

if [ "$failures" -eq 0 ]; then
  echo "check_layers_test: all cases passed"
fi
[ "$failures" -eq 0 ]
