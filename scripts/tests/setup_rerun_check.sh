#!/usr/bin/env bash
# By hand, as root (takes a few minutes and downloads the package indexes and
# four source packages): set-up interrupted after its packages step and run
# again completes the rest; a third run only checks. Then set-up without a
# reachable mirror and set-up without root each fail in one line.
# Everything goes to a scratch folder: its own apt configuration (a copy of
# this machine's sources, its own package lists), its own library cache and
# Wine template. The machine's apt sources and its real cache stay untouched.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/lanque-setup-rerun.XXXXXX")
chmod 755 "$scratch"
trap 'rm -rf "$scratch"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}

# An apt configuration of our own whose sources are PARTS_DIR (named $1).
make_apt() {
  local dir=$scratch/$1
  mkdir -p "$dir/parts" "$dir/lists/partial" "$dir/cache/archives/partial"
  : >"$dir/sources.list"
  cat >"$dir/apt.conf" <<X
Dir::Etc::sourcelist "$dir/sources.list";
Dir::Etc::sourceparts "$dir/parts";
Dir::State::Lists "$dir/lists";
Dir::Cache "$dir/cache";
X
}

make_apt apt
eval "$(apt-config shell machine_list Dir::Etc::sourcelist/f machine_parts Dir::Etc::sourceparts/d)"
[ -f "$machine_list" ] && cp "$machine_list" "$scratch/apt/sources.list"
for f in "$machine_parts"*.list "$machine_parts"*.sources; do
  [ -f "$f" ] && [ "$(basename "$f")" != lanque-deb-src.sources ] && cp "$f" "$scratch/apt/parts/"
done
export APT_CONFIG=$scratch/apt/apt.conf LANQUE_DEPS=$scratch/cache/mingw-deps
deb_src=$scratch/apt/parts/lanque-deb-src.sources

echo "== set-up, killed during its first cross-build"
setsid "$root/scripts/setup" >"$scratch/first.out" 2>&1 &
first=$!
for _ in $(seq 600); do
  grep -q '^setup: cross-building' "$scratch/first.out" && break
  kill -0 "$first" 2>/dev/null || break
  sleep 0.5
done
sleep 5  # well into the build
kill -TERM -- -"$first"
wait "$first"
cat "$scratch/first.out"; echo
check "the packages step finished before the kill" grep -qE '^setup: Debian packages.* [0-9]+ s$' "$scratch/first.out"
check "the deb-src entries were written" grep -q '^Types: deb-src' "$deb_src"
check "no half-written apt source file is left" \
  test -z "$(find "$scratch/apt/parts" -name '.*' -type f)"
check "a half-built library is left behind" test -d "$LANQUE_DEPS/src/libpng"
check "the interrupted library is not stamped" test ! -e "$LANQUE_DEPS/.complete-1-libpng"
check "the set is not stamped" test ! -e "$LANQUE_DEPS/.complete-2"
stamp_before=$(stat -c %Y "$deb_src")

echo "== set-up again"
sleep 1
"$root/scripts/setup" | tee "$scratch/second.out"
check "the second set-up succeeds" test "${PIPESTATUS[0]}" = 0
for lib in libpng libjpeg-turbo libxml2 benchmark; do
  check "$lib is cross-built again" grep -q "^setup: cross-building $lib .* s$" "$scratch/second.out"
done
check "the set is stamped" test -e "$LANQUE_DEPS/.complete-2"
check "the libraries are installed" test -f "$LANQUE_DEPS/lib/libpng16.a" -a -f "$LANQUE_DEPS/lib/libjpeg.a" -a -f "$LANQUE_DEPS/lib/libxml2.a" \
  -a -f "$LANQUE_DEPS/lib/libbenchmark.a"
check "the Wine template is ready" test -f "$scratch/cache/wine-template-4/.ready"
check "the deb-src file was left as it was" test "$(stat -c %Y "$deb_src")" = "$stamp_before"

echo "== set-up a third time"
start=$(date +%s%N)
third=$("$root/scripts/setup" --quiet 2>&1)
status=$?
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
echo "the check took $elapsed_ms ms"
check "the third set-up only checks, silently" test "$status" = 0 -a -z "$third"
check "the check takes under 2 s" test "$elapsed_ms" -lt 2000

echo "== set-up without a reachable mirror"
make_apt offline
echo 'deb http://127.0.0.1:9/debian bookworm main' >"$scratch/offline/sources.list"
out=$(APT_CONFIG=$scratch/offline/apt.conf LANQUE_DEPS=$scratch/offline-cache/mingw-deps "$root/scripts/setup" 2>&1)
status=$?
echo "$out"
check "it fails" test "$status" != 0
check "it says the package sources are unreachable" grep -q '^setup: cannot reach the package sources' <<<"$out"

echo "== set-up without root or sudo"
if command -v sudo >/dev/null; then
  echo "skipped: sudo is installed here"
else
  mkdir -m 777 "$scratch/nobody"
  out=$(setpriv --reuid=65534 --regid=65534 --clear-groups \
    env HOME="$scratch/nobody" LANQUE_DEPS="$scratch/nobody/mingw-deps" "$root/scripts/setup" 2>&1)
  status=$?
  echo "$out"
  check "it fails" test "$status" != 0
  check "it says root is needed, in one line" test "$(grep -c 'needs root' <<<"$out")" = 1
fi

echo "$failures failed"
[ "$failures" = 0 ]
