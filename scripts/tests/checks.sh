# What the scripts' checks share (sourced, not run): a scratch folder of the
# check's own, removed at its end, and expect, which counts what differs.
#   lanque_checks_begin NAME   makes $scratch and sets failures=0
#   expect WHAT WANTED GOT     prints and counts a difference
lanque_checks_begin() {
  scratch=$(mktemp -d "${TMPDIR:-/tmp}/lanque-$1.XXXXXX")
  trap 'rm -rf "$scratch"' EXIT
  failures=0
}

expect() {
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n--- wanted\n%s\n--- got\n%s\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}
