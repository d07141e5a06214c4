# The summary of one tree's CTest run, for a person (sourced, not run).
# lanque_test_summary TREE CTEST_LOG RETRY_LOG SECONDS
#   prints the tests that did not pass, one line of counts with the wall time,
#   the retried launches and the five slowest tests; sets summary_passed and
#   summary_failed (a test that did not run, or timed out, has failed).
lanque_test_summary() {
  local tree=$1 log=$2 retries=$3 seconds=$4
  summary_passed=0
  summary_failed=0
  if ! grep -qE '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log"; then
    echo "test: $tree: no test summary in $log"
    tail -n 20 "$log"
    summary_failed=1
    return
  fi
  # CTest's result lines, "  3/40 Test  #7: NAME ....***Failed    0.05 sec",
  # as STATUS<tab>SECONDS<tab>NAME.
  local results skipped retried
  # A parameterised test's name may go on with " # GetParam() = ...": cut.
  results=$(sed -nE 's/^ *[0-9]+\/[0-9]+ +Test +#[0-9]+: +(.*[^ ]) +\.+[ *]*([A-Za-z][A-Za-z :*]*[A-Za-z:]) +([0-9.]+) sec.*/\2\t\3\t\1/p' "$log" \
    | sed -E 's/ +# GetParam\(\).*//; s/\*+/ /')
  summary_passed=$(grep -c '^Passed' <<<"$results")
  skipped=$(grep -c '^Skipped' <<<"$results")
  summary_failed=$(grep -cvE '^(Passed|Skipped|$)' <<<"$results")
  # Every test CTest counted must have a result line read here.
  local total read
  total=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 | sed -E 's/.* out of ([0-9]+).*/\1/')
  read=$((summary_passed + skipped + summary_failed))
  if [ "$read" -ne "$total" ]; then
    echo "   test: $tree: CTest ran $total tests, $read result lines were read; the rest count as failed"
    summary_failed=$((summary_failed + total - read))
  fi
  retried=$(grep -c . "$retries" 2>/dev/null)
  grep -vE '^(Passed|Skipped|$)' <<<"$results" | while IFS=$'\t' read -r status _ name; do
    echo "   $status: $name"
  done
  printf '== %s: %d passed, %d failed, %d skipped, %d launches retried, %dm%02ds\n' \
    "$tree" "$summary_passed" "$summary_failed" "$skipped" "$retried" $((seconds / 60)) $((seconds % 60))
  while IFS=$'\t' read -r _ what command; do
    echo "   retried: $command ($what)"
  done <"$retries"
  echo "   slowest:"
  sort -t$'\t' -k2,2 -rn <<<"$results" | head -n 5 | while IFS=$'\t' read -r _ time name; do
    printf '   %8.2f s  %s\n' "$time" "$name"
  done
}
