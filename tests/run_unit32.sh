#!/usr/bin/env bash
# Runs the unit tests built as 32-bit code (build/native32), where every
# size the portable code computes in std::size_t is 32 bits wide.
set -euo pipefail
root=$1
if [ "$(cat "$root/build/deps/runs-32bit" 2>/dev/null)" != yes ]; then
  echo "skipped: this machine runs no 32-bit x86 code"
  exit 77
fi
tests=$root/build/native32/unit_tests
[ -x "$tests" ] || { echo "FAIL: $tests was not built"; exit 1; }
cd "$root/build/native32"
"$tests" --gtest_brief=1
