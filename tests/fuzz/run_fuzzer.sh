#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time on a fresh copy of its seeds
# and writes a one-line summary (runs, coverage) beside it, which make test
# prints. Usage: run_fuzzer.sh NAME FUZZER SECONDS WORKDIR SEED...
# A seed is a folder or a file; folders and files that are absent are passed over.
# With FUZZ_32BIT=1 the fuzzer is 32-bit code, run as the machine can.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
name=$1 fuzzer=$2 seconds=$3 work=$4
shift 4
runner=()
if [ "${FUZZ_32BIT:-0}" = 1 ]; then
  source "$root/scripts/runs-32bit.sh"
  how=$(runs_32bit "$root" linux)
  [[ $how != no:* ]] || { echo "skipped: ${how#no: }"; exit 77; }
  echo "32-bit code runs here: $how"
  runner=(run_32bit "$root")
fi
[ -x "$fuzzer" ] || { echo "no fuzzer at $fuzzer"; exit 77; }
corpus=$work/$name.corpus
rm -rf "$corpus" && mkdir -p "$corpus" "$work/$name.found"
for seed in "$@"; do
  if [ -d "$seed" ]; then cp "$seed"/* "$corpus"/ 2>/dev/null || true
  elif [ -f "$seed" ]; then cp "$seed" "$corpus"/; fi
done
log=$work/$name.log
status=0
LC_ALL=C "${runner[@]}" "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/$name.found/" "$corpus" >"$log" 2>&1 || status=$?
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)
line="fuzz.$name: ${runs:-?} inputs in ${seconds} s, ${cov:-no coverage line}, corpus $(ls "$corpus" | wc -l) inputs"
[ "$status" = 0 ] || line="$line; FAILED (status $status), the input is in $work/$name.found"
echo "$line" | tee "$work/$name.summary"
[ "$status" = 0 ] || tail -n 60 "$log"
exit "$status"
