#!/usr/bin/env bash
# Runs the whole end-to-end suite N times in a row, two at a time as
# `make test` does, while two busy processes load the CPU beside it, and
# counts whole-suite runs that passed; keeps each run's log and what a
# failed scenario left in build/soak. Not part of `make test`.
#   scripts/soak.sh N
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:?usage: scripts/soak.sh N}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "soak: N must be a positive number" >&2; exit 2; }

make --no-print-directory build >/dev/null
logs=build/soak
rm -rf "$logs"
mkdir -p "$logs"

busy() { while :; do :; done; }
busy &
load1=$!
busy &
load2=$!
trap 'kill $load1 $load2 2>/dev/null || true' EXIT

passed=0
failed=0
declare -A failures=()
for run in $(seq "$runs"); do
  log=$logs/run-$run.log
  start=$SECONDS
  # ctest's report is read below, so it is written in the C locale.
  if LC_ALL=C ctest --test-dir build/native -R '^e2e\.' -j2 --output-on-failure >"$log" 2>&1; then
    passed=$((passed + 1))
    echo "run $run: passed ($((SECONDS - start)) s)"
  else
    failed=$((failed + 1))
    names=$(sed -n '/tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \(e2e\.[^ ]*\) .*/\1/p' "$log" | LC_ALL=C sort -u | xargs)
    echo "run $run: failed ($((SECONDS - start)) s): ${names:-see $log}"
    for name in $names; do
      failures[$name]=$((${failures[$name]:-0} + 1))
      # What the failed scenario left (its files, wine.log) for a look.
      cp -r "build/native/e2e/runs/${name#e2e.}" "$logs/run-$run-${name#e2e.}" 2>/dev/null || true
    done
  fi
done

echo "$passed passed, $failed failed"
for name in "${!failures[@]}"; do echo "  $name: failed in ${failures[$name]} of $runs runs"; done | LC_ALL=C sort
[ "$failed" -eq 0 ]
