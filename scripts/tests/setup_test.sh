#!/usr/bin/env bash
# Checks of the set-up's pieces that need neither root nor the network: the
# deb-src entries derived from sample apt sources, the platform check and the
# step lines. Never reads or writes the machine's own apt configuration.
set -uo pipefail
lib=$(cd "$(dirname "$0")/../lib" && pwd)
. "$lib/setup-steps.sh"
. "$lib/apt-sources.sh"
. "$lib/mingw-deps.sh"

. "$(dirname "$0")/checks.sh"
lanque_checks_begin setup-test

# A fresh apt configuration folder for each case: sources.list and parts/.
new_apt() { rm -rf "$scratch/apt"; mkdir -p "$scratch/apt/parts"; }
derived() { lanque_deb_src_entries bookworm "$scratch/apt/sources.list" "$scratch/apt/parts/" "$scratch/apt/parts/lanque-deb-src.sources"; }

# Debian 12's own deb822 file; third-party, disabled and our own files are not read.
new_apt
cat >"$scratch/apt/parts/debian.sources" <<'X'
Types: deb
# http://snapshot.debian.org/archive/debian/20250520T000000Z
URIs: http://mirror.example.net/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://mirror.example.net/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
X
printf 'Types: deb\nURIs: https://deb.nodesource.com/node_20.x\nSuites: nodistro\nComponents: main\n' \
  >"$scratch/apt/parts/nodesource.sources"
echo 'deb http://old.example.net/debian bookworm main' >"$scratch/apt/parts/old.list.disabled"
printf 'Types: deb-src\nURIs: http://mirror.example.net/debian\nSuites: bookworm bookworm-updates\n' \
  >"$scratch/apt/parts/lanque-deb-src.sources"
expect "deb822 sources" "Types: deb-src
URIs: http://mirror.example.net/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://mirror.example.net/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" "$(derived)"

# One-line entries with options, comments, another release and a suite that
# already has its deb-src entry (written with a trailing slash).
new_apt
cat >"$scratch/apt/sources.list" <<'X'
# deb http://commented.example.net/debian bookworm main
deb [ arch=amd64 signed-by=/etc/apt/keyrings/internal.gpg ] http://apt.internal/debian/ bookworm main contrib
deb [signed-by=/etc/apt/keyrings/internal.gpg arch=amd64] http://apt.internal/debian/ bookworm-updates main contrib # updates
deb-src http://apt.internal/debian bookworm-updates main contrib
deb [trusted=yes] http://apt.internal/security bookworm-security main
deb http://apt.internal/debian bullseye main
deb https://packages.cloud.google.com/apt cloud-sdk-bookworm main
X
expect "one-line sources" "Types: deb-src
URIs: http://apt.internal/debian/
Suites: bookworm
Components: main contrib
Signed-By: /etc/apt/keyrings/internal.gpg

Types: deb-src
URIs: http://apt.internal/security
Suites: bookworm-security
Components: main
Trusted: yes" "$(derived)"

# Entries that already carry deb-src, or are switched off, need nothing.
new_apt
printf 'Types: deb deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\n' \
  >"$scratch/apt/parts/debian.sources"
printf 'Enabled: no\nTypes: deb\nURIs: http://off.example.net/debian\nSuites: bookworm\nComponents: main\n' \
  >"$scratch/apt/parts/off.sources"
expect "nothing missing" "" "$(derived)"

# Folded fields, case-insensitive names and an inline key kept line for line.
new_apt
cat >"$scratch/apt/parts/inline.sources" <<'X'
types: deb
uris: http://mirror.example.org/debian
suites: bookworm
  bookworm-updates
components: main non-free-firmware
signed-by:
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mDMEZPlaceholderKeyLine
 -----END PGP PUBLIC KEY BLOCK-----
X
expect "inline key" "Types: deb-src
URIs: http://mirror.example.org/debian
Suites: bookworm bookworm-updates
Components: main non-free-firmware
Signed-By: 
 -----BEGIN PGP PUBLIC KEY BLOCK-----
 .
 mDMEZPlaceholderKeyLine
 -----END PGP PUBLIC KEY BLOCK-----" "$(derived)"

# The platform check: Debian 12 passes quietly, anything else fails in one line.
while IFS='|' read -r name content status; do
  rm -f "$scratch/os-release"
  [ "$name" = missing ] || printf '%b' "$content" >"$scratch/os-release"
  out=$( (set -e; lanque_check_platform "$scratch/os-release") 2>&1)
  got=$?
  expect "platform $name: status" "$status" "$got"
  [ "$status" = 0 ] && expect "platform $name: silent" "" "$out"
  [ "$status" != 0 ] && expect "platform $name: one line" 1 "$(grep -c 'Debian 12' <<<"$out")"
done <<'X'
debian 12|ID=debian\nVERSION_ID="12"\nVERSION_CODENAME=bookworm\n|0
debian 11|ID=debian\nVERSION_ID="11"\n|1
ubuntu|ID=ubuntu\nVERSION_ID="22.04"\nID_LIKE=debian\n|1
empty||1
missing||1
X

# Steps: one line each on the terminal, their own output in the log; a
# failure gives its reason in one line, or else the log's last lines.
LANQUE_SETUP_LOG="$scratch/setup.log"
: >"$LANQUE_SETUP_LOG"
quiet_step() { echo "compiler chatter"; }
reasoned_step() { echo "Err:1 http://mirror.example.net/debian"; echo "mirror unreachable" >&3; return 1; }
silent_failure() { echo "make: *** [all] Error 2"; return 2; }
out=$( (lanque_setup_step "quiet" quiet_step) 2>&1); status=$?
expect "step ok: status" 0 "$status"
expect "step ok: line" 1 "$(grep -cE '^setup: quiet +[0-9]+ s$' <<<"$out")"
expect "step ok: output logged" 1 "$(grep -c 'compiler chatter' "$LANQUE_SETUP_LOG")"
out=$( (lanque_setup_step "reasoned" reasoned_step) 2>&1); status=$?
expect "step reason: status" 1 "$status"
expect "step reason: step line" 1 "$(grep -cE '^setup: reasoned +failed after [0-9]+ s$' <<<"$out")"
expect "step reason: reason line" "setup: mirror unreachable (log: $LANQUE_SETUP_LOG)" "$(tail -n 1 <<<"$out")"
expect "step reason: no log tail" 2 "$(wc -l <<<"$out")"
out=$( (lanque_setup_step "silent" silent_failure) 2>&1); status=$?
expect "step tail: status" 2 "$status"
expect "step tail: log's last line" 1 "$(grep -c '^  make: \*\*\* \[all\] Error 2$' <<<"$out")"

# Which cross-built libraries a cache still needs, from its stamps: a set made
# before a library came builds only that one; a finished set needs nothing.
pending_in() {  # pending_in SET-VERSION STAMP...
  local deps=$scratch/deps
  rm -rf "$deps"; mkdir -p "$deps"
  for stamp in "${@:2}"; do touch "$deps/.complete-$stamp"; done
  (LANQUE_DEPS=$deps LANQUE_DEPS_VERSION=$1 LANQUE_MINGW_LIBS=(a:1 b:1 c:2); lanque_mingw_deps_pending | tr '\n' ' ')
}
expect "deps: empty cache" "a b c " "$(pending_in 2)"
expect "deps: the older whole set" "c " "$(pending_in 2 1)"
expect "deps: a library of the older set stopped midway" "b c " "$(pending_in 2 1-a)"
expect "deps: the new library alone" "a b " "$(pending_in 2 2-c)"
expect "deps: the whole set" "" "$(pending_in 2 2)"

[ "$failures" = 0 ] && echo "all set-up checks passed"
[ "$failures" = 0 ]
