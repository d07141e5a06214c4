#!/usr/bin/env bash
# Checks of the Windows tests' launcher without Wine: a launch that ends at
# once, silent and failed, is started once more and noted; a failure that said
# anything, a slow one, or a second silent one is the result; an environment
# handed out by CTest is the one the command runs in.
set -uo pipefail
run=$(cd "$(dirname "$0")/../lib" && pwd)/wine-test-run
. "$(dirname "$0")/checks.sh"
lanque_checks_begin wine-test-run
export LANQUE_WINE_RETRY_LOG="$scratch/retries.log"
unset CTEST_RESOURCE_GROUP_COUNT LANQUE_WINE_ENVS

# A command that fails silently on its first N launches and passes after.
flaky() {  # flaky N COUNTER
  printf '%s\n' "n=\$(cat '$2' 2>/dev/null || echo 0); echo \$((n + 1)) >'$2'" \
    "[ \$n -lt $1 ] && exit 3; echo passed" >"$scratch/flaky.sh"
}

flaky 1 "$scratch/once"
out=$("$run" bash "$scratch/flaky.sh"); code=$?
expect "a silent failed start is started again" "0 2" "$code $(cat "$scratch/once")"
expect "the second launch's output is the test's" "passed" "$(tail -n 1 <<<"$out")"
expect "the retry is noted with its command" 1 "$(grep -c "flaky.sh" "$LANQUE_WINE_RETRY_LOG")"

flaky 2 "$scratch/twice"
"$run" bash "$scratch/flaky.sh" >/dev/null; code=$?
expect "only once more" "3 2" "$code $(cat "$scratch/twice")"

: >"$LANQUE_WINE_RETRY_LOG"
"$run" bash -c 'echo "[ RUN ] something"; exit 1' >/dev/null; code=$?
expect "a failure with output is not retried" "1 0" "$code $(grep -c . "$LANQUE_WINE_RETRY_LOG")"
"$run" bash -c 'sleep 1.2; exit 1' >/dev/null; code=$?
expect "a slow silent failure is not retried" "1 0" "$code $(grep -c . "$LANQUE_WINE_RETRY_LOG")"
"$run" bash -c 'exit 0'; code=$?
expect "a silent pass is a pass" "0 0" "$code $(grep -c . "$LANQUE_WINE_RETRY_LOG")"

# CTest's resource "wine" picks the environment.
mkdir -p "$scratch/envs/2"
echo "export WINEPREFIX='$scratch/envs/2/prefix' DISPLAY=':77'" >"$scratch/envs/2/env"
out=$(CTEST_RESOURCE_GROUP_COUNT=1 CTEST_RESOURCE_GROUP_0_WINE=id:2,slots:1 LANQUE_WINE_ENVS="$scratch/envs" \
  "$run" bash -c 'echo "$WINEPREFIX $DISPLAY"')
expect "the environment handed out" "$scratch/envs/2/prefix :77" "$out"

[ "$failures" -eq 0 ] && echo "wine-test-run checks passed"
exit "$failures"
