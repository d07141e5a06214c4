# The pieces of scripts/setup (sourced, not run).
# lanque_setup_step LABEL FUNCTION [ARGS...]
#   runs one step with its output in $LANQUE_SETUP_LOG and prints one line
#   with its elapsed time. A step may say why it failed in one line on fd 3;
#   otherwise a failure prints the log's last lines. Exits on failure.
#   FUNCTION runs where errexit does not apply: it returns its failures itself.
# lanque_check_platform OS_RELEASE  fails with one line unless Debian 12
# lanque_check_root  fails with one line unless root or sudo is available
# lanque_as_root COMMAND...  runs a command as root (directly or by sudo)
# lanque_setup_lock FILE  holds FILE's lock on fd 9 until the script ends,
#   waiting (and saying so) while another set-up holds it

lanque_setup_fail() {
  echo "setup: $*" >&2
  exit 1
}

lanque_check_platform() {
  local id="" version=""
  # shellcheck disable=SC1090
  read -r id version < <({ . "$1"; } 2>/dev/null || true; echo "${ID:-} ${VERSION_ID:-}") || true
  [ "$id" = debian ] && [ "$version" = 12 ] && return
  lanque_setup_fail "this set-up is for Debian 12; this machine is ${id:-unknown} ${version:-} (from $1)"
}

lanque_check_root() {
  [ "$(id -u)" = 0 ] || command -v sudo >/dev/null \
    || lanque_setup_fail "this needs root to install Debian packages and add apt source entries: run it as root, or install sudo"
}

lanque_as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

lanque_setup_lock() {
  exec 9>"$1"
  if ! flock -n 9; then
    echo "setup: waiting for another set-up of this machine to finish"
    flock 9
  fi
}

lanque_setup_step() {
  local label=$1 start=$SECONDS status reason
  shift
  printf 'setup: %-32s' "$label"
  reason=$(mktemp)
  echo "== $(date '+%F %T') $label" >>"$LANQUE_SETUP_LOG"
  status=0
  # Without fd 9: a step's lasting children (a wineserver) must not hold the lock.
  ("$@") >>"$LANQUE_SETUP_LOG" 2>&1 3>"$reason" 9>&- </dev/null || status=$?
  if [ "$status" = 0 ]; then
    printf '%4d s\n' $((SECONDS - start))
    rm -f "$reason"
    return 0
  fi
  printf 'failed after %d s\n' $((SECONDS - start))
  if [ -s "$reason" ]; then
    echo "setup: $(head -n 1 "$reason") (log: $LANQUE_SETUP_LOG)" >&2
  else
    echo "setup: the last lines of $LANQUE_SETUP_LOG:" >&2
    tail -n 25 "$LANQUE_SETUP_LOG" | sed 's/^/  /' >&2
  fi
  rm -f "$reason"
  exit "$status"
}
